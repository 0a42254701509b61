#pragma once

#include "platform/views/View.h"

#include <cstdint>
#include <memory>

namespace platform {

class Font;
class Formatter;

// A view the user acts on through a value: it has a tag by which programs find it, can be
// enabled or not, shows its value as text in a font and alignment, and may have a formatter
// that turns its value into text and judges the user's edits.
class Control : public View {
public:
    std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    bool isEnabled() const { return enabled_; }
    virtual void setEnabled(bool enabled);

    virtual Ref<String> stringValue() const = 0;
    virtual void setStringValue(const Ref<String>& string) = 0;
    // The value as an object: through the formatter when there is one, else the text itself.
    virtual Ref<Object> objectValue() const = 0;
    virtual void setObjectValue(const Ref<Object>& object) = 0;

    Ref<Font> font() const { return font_; }
    virtual void setFont(Ref<Font> font);
    // One of the TextAlignment values.
    std::int64_t alignment() const { return alignment_; }
    virtual void setAlignment(std::int64_t alignment);
    Ref<Formatter> formatter() const { return formatter_; }
    virtual void setFormatter(Ref<Formatter> formatter);

protected:
    Control(Rect frame, std::unique_ptr<ViewPeer> peer);

private:
    std::int64_t tag_ = 0;
    bool enabled_ = true;
    Ref<Font> font_;
    std::int64_t alignment_;
    Ref<Formatter> formatter_;
};

} // namespace platform
