#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Dictionary;

// The attribute keys that text layout reads: the font (a Font), the colour of the glyphs and
// the colour painted behind them (Colors), and the paragraph style (a ParagraphStyle). An
// attribute dictionary may carry any further keys; layout leaves them alone.
const Ref<String>& FontAttributeName();
const Ref<String>& ForegroundColorAttributeName();
const Ref<String>& BackgroundColorAttributeName();
const Ref<String>& ParagraphStyleAttributeName();

// Options of boundingRectWithSizeOptions, with the framework's bit values.
namespace StringDrawingOptions {
inline constexpr std::uint64_t UsesLineFragmentOrigin = 1 << 0;
inline constexpr std::uint64_t UsesFontLeading = 1 << 1;
} // namespace StringDrawingOptions

// A string with one set of attributes for all of its text.
//
// Layout: the text breaks into lines at the newline characters (line feed, vertical tab, form
// feed, carriage return, U+0085, U+2028, U+2029) and never wraps. A tab moves to the paragraph
// style's next tab stop, counted from the start of its line. Other control characters are
// drawn as nothing and take no width. Trailing white space counts in the width. Without a font
// attribute the text is laid out in the system font at 12 points; without a foreground colour
// it is black; without a paragraph style tabs stop every 28 points.
class AttributedString : public Object {
public:
    // The dictionary is shared, not copied.
    AttributedString(Ref<String> string, Ref<Dictionary> attributes);
    static Ref<AttributedString> create(Ref<String> string, Ref<Dictionary> attributes);

    const Ref<String>& string() const { return string_; }
    const Ref<Dictionary>& attributes() const { return attributes_; }
    std::size_t length() const;

    // The rectangle the laid-out text covers, from its top-left corner: as wide as its widest
    // line and as high as its lines. With UsesFontLeading each line is the font's default line
    // height; without, the font's ascent and descent. The size is not a limit: lines never
    // wrap.
    Rect boundingRectWithSizeOptions(Size size, std::uint64_t options) const;
    Size size() const;

    // Draws the text into the drawing in progress with the top-left corner of its first line at
    // point in a flipped view, the bottom-left corner of its last line in an unflipped one.
    void drawAtPoint(Point point) const;

    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

private:
    Ref<String> string_;
    Ref<Dictionary> attributes_;
};

} // namespace platform
