#pragma once

#include "platform/views/Control.h"

#include <cstdint>
#include <memory>
#include <string_view>

namespace platform {

class AttributedString;
class Color;
class TextFieldCell;
class TextFieldDelegate;

// How a view shows that it has the keyboard focus, with the framework's values.
enum class FocusRingType : std::int64_t { Default = 0, None = 1, Exterior = 2 };

// One line of text: an editable field, or a label when it is neither editable nor selectable.
// A new field is editable, selectable, bordered and draws a white background, in the system
// font at 13 points and the control text colour. The font and the text colour are its cell's,
// asked each time the field draws. A label never takes the keyboard focus and
// lets mouse presses through to the view or window behind it.
//
// A field holds one line: text the user pastes keeps its first line. The user's edits go
// through the formatter, when the field has one, before they are shown
// (see Formatter); setting the text from the program does not. The delegate hears of editing
// and is asked about the editing commands of keys (see TextFieldDelegate).
class TextField : public Control {
public:
    explicit TextField(Rect frame = {});
    ~TextField() override;
    // A label showing the string: not editable, not selectable, no border, no background.
    static Ref<TextField> labelWithString(const Ref<String>& string);

    // The number the text starts with; a number set is written out as text.
    double doubleValue() const override { return numberInText(stringValue()); }
    void setDoubleValue(double value) override { setStringValue(textOfNumber(value)); }
    Ref<String> stringValue() const override;
    void setStringValue(const Ref<String>& string) override;
    Ref<Object> objectValue() const override;
    void setObjectValue(const Ref<Object>& object) override;
    // The text with the field's font and text colour; its size() is the width and height the
    // text takes as the field draws it.
    Ref<AttributedString> attributedStringValue() const;
    Ref<String> placeholderString() const { return placeholder_; }
    void setPlaceholderString(Ref<String> placeholder);

    bool isEditable() const { return editable_; }
    void setEditable(bool editable);
    // Selectable text can be selected and copied without being editable.
    bool isSelectable() const { return selectable_ || editable_; }
    void setSelectable(bool selectable);
    bool isBordered() const { return bordered_; }
    void setBordered(bool bordered);
    bool drawsBackground() const { return drawsBackground_; }
    void setDrawsBackground(bool draws);
    Ref<Color> backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Ref<Color> color);
    // The cell's text colour.
    Ref<Color> textColor() const;
    void setTextColor(Ref<Color> color);
    FocusRingType focusRingType() const { return focusRingType_; }
    void setFocusRingType(FocusRingType type);

    void setEnabled(bool enabled) override;
    void setFont(Ref<Font> font) override;
    void setAlignment(std::int64_t alignment) override;
    // Takes only a TextFieldCell.
    bool setCell(Ref<Cell> cell) override;
    // Shows the font and text colour the cell answers now.
    void viewWillDraw() override;

    std::shared_ptr<TextFieldDelegate> delegate() const { return delegate_.lock(); }
    // The field holds its delegate weakly, as a window does.
    void setDelegate(const std::shared_ptr<TextFieldDelegate>& delegate) { delegate_ = delegate; }

    // Whether the user is editing the text: from the first change until editing ends.
    bool isEditingText() const;
    // Selects the whole text and makes the field its window's first responder.
    void selectText(const Ref<Object>& sender = nullptr);
    // Editable and selectable fields take the keyboard focus; labels do not.
    bool acceptsFirstResponder() const override { return isSelectable(); }

    // Internal to the platform: the editing state kept beside the toolkit's field.
    struct Editing;

protected:
    // For fields that do more with the user's editing. An editing command the delegate left to
    // the field: answer true when the subclass performed it, and the field does nothing more.
    virtual bool performEditingCommand(std::string_view) { return false; }
    // After each change the user made to the text, once the delegate heard of it.
    virtual void userChangedText() {}
    // After a key added text (typing, pasting), once the change is complete.
    virtual void userTypedText() {}
    // Return ended editing; the field sends its action.
    virtual void sendReturnAction() { sendAction(); }
    // Shows text the field chose itself during the user's editing, such as a completion, with
    // the selection: no formatter judges it and the delegate hears nothing of it.
    void showChosenText(const Ref<String>& text, Range selection);

private:
    TextFieldCell& textFieldCell() const;
    void applyFont();
    void applyPalette();
    void applyInteraction();

    std::unique_ptr<Editing> editing_;
    Ref<String> placeholder_;
    Ref<Color> backgroundColor_;
    std::weak_ptr<TextFieldDelegate> delegate_;
    FocusRingType focusRingType_ = FocusRingType::Default;
    bool editable_ = true;
    bool selectable_ = true;
    bool bordered_ = true;
    bool drawsBackground_ = true;
};

} // namespace platform
