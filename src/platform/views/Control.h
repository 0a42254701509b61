#pragma once

#include "platform/foundation/Selector.h"
#include "platform/views/View.h"

#include <cstdint>
#include <memory>

namespace platform {

class Cell;
class Font;
class Formatter;

// A view the user acts on through a value: it has a tag by which programs find it, can be
// enabled or not, shows its value as text in its cell's font and an alignment, and may have a
// formatter that turns its value into text and judges the user's edits.
//
// When the user changes the value (a click, a key, a drag), the control sends its action to its
// target. Values set by the program are quiet: they change what the control shows and send
// nothing.
class Control : public View {
public:
    std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);

    // The control holds its target weakly, as a menu item does. With no target the action goes
    // to the application.
    Ref<Object> target() const { return target_.lock(); }
    void setTarget(const Ref<Object>& target) { target_ = target; }
    Selector action() const { return action_; }
    void setAction(Selector action) { action_ = std::move(action); }
    // Sends the action with this control as the sender. Answers whether an object performed it;
    // a disabled control or one without an action sends nothing.
    bool sendAction() { return sendAction(action_); }
    // The same with another of the control's actions, such as a table's double action.
    bool sendAction(const Selector& action);

    // The value as a number; the numeric controls keep it as one.
    virtual double doubleValue() const = 0;
    virtual void setDoubleValue(double value) = 0;
    // The number rounded towards zero; a value out of range gives the nearest integer.
    std::int64_t intValue() const;
    void setIntValue(std::int64_t value) { setDoubleValue(static_cast<double>(value)); }
    // For numeric controls the text is the number written out ("50", "0.25") and the object a
    // Number; text that is no number sets 0.
    virtual Ref<String> stringValue() const;
    virtual void setStringValue(const Ref<String>& string);
    // The value as an object: through the formatter when there is one, else the text itself.
    virtual Ref<Object> objectValue() const;
    virtual void setObjectValue(const Ref<Object>& object);

    // The toolkit draws the control after drawRect, unless a subclass leaves the base out.
    void drawRect(Rect dirtyRect) override;

    // The cell's font.
    Ref<Font> font() const;
    virtual void setFont(Ref<Font> font);
    // The cell answers the control's questions about how its value looks. Setting one answers
    // whether the control took it: none is never taken, and a text field takes only text-field
    // cells. The control draws again with the cell it took.
    Ref<Cell> cell() const { return cell_; }
    virtual bool setCell(Ref<Cell> cell);
    // One of the TextAlignment values.
    std::int64_t alignment() const { return alignment_; }
    virtual void setAlignment(std::int64_t alignment);
    Ref<Formatter> formatter() const { return formatter_; }
    virtual void setFormatter(Ref<Formatter> formatter);

protected:
    // With no cell the control makes a plain one.
    Control(Rect frame, std::unique_ptr<ViewPeer> peer, Ref<Cell> cell = nullptr);
    // The shortest text that reads back as the number, and the number a text starts with
    // (after white space; 0 when it starts with none).
    static Ref<String> textOfNumber(double value);
    static double numberInText(const Ref<String>& text);

private:
    std::int64_t tag_ = 0;
    bool enabled_ = true;
    WeakRef<Object> target_;
    Selector action_;
    Ref<Cell> cell_;
    std::int64_t alignment_;
    Ref<Formatter> formatter_;
};

} // namespace platform
