#include "platform/drawing/AttributedString.h"

#include "platform/detail/ColorConversion.h"
#include "platform/detail/FontPeer.h"
#include "platform/detail/GraphicsContext.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"

#include <QPainter>

#include <algorithm>
#include <vector>

namespace platform {

const Ref<String>& FontAttributeName() {
    static const Ref<String> name = String::fromUtf8("Font");
    return name;
}

const Ref<String>& ForegroundColorAttributeName() {
    static const Ref<String> name = String::fromUtf8("ForegroundColor");
    return name;
}

const Ref<String>& BackgroundColorAttributeName() {
    static const Ref<String> name = String::fromUtf8("BackgroundColor");
    return name;
}

const Ref<String>& ParagraphStyleAttributeName() {
    static const Ref<String> name = String::fromUtf8("ParagraphStyle");
    return name;
}

namespace {

constexpr double defaultTabInterval = 28;
constexpr double defaultFontSize = 12;

bool isNewline(char16_t c) {
    return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// Control characters other than tab and the newlines: they have no glyph and no width.
bool isInvisible(char16_t c) {
    return (c < 0x20 && c != u'\t') || (c >= 0x7F && c < 0xA0);
}

// A stretch of text between tabs, placed at x from the start of its line.
struct Run {
    QString text;
    double x = 0;
};

struct Line {
    std::vector<Run> runs;
    double width = 0;
};

// What layout reads from an attribute dictionary, with the defaults filled in.
struct Style {
    Ref<Font> font;
    Ref<ParagraphStyle> paragraph;
    Ref<Color> foreground;
    Ref<Color> background;
};

template <class T>
Ref<T> attribute(const Dictionary* attributes, const Ref<String>& key) {
    if (!attributes)
        return nullptr;
    const Ref<Object> value = attributes->objectForKey(key);
    return value ? value->as<T>() : nullptr;
}

Style styleOf(const Dictionary* attributes) {
    Style style{attribute<Font>(attributes, FontAttributeName()),
                attribute<ParagraphStyle>(attributes, ParagraphStyleAttributeName()),
                attribute<Color>(attributes, ForegroundColorAttributeName()),
                attribute<Color>(attributes, BackgroundColorAttributeName())};
    if (!style.font) {
        static const Ref<Font> systemFont = Font::systemFontOfSize(defaultFontSize);
        style.font = systemFont;
    }
    if (!style.paragraph) {
        static const Ref<ParagraphStyle> defaultStyle = [] {
            auto paragraph = ParagraphStyle::paragraphStyle();
            paragraph->setDefaultTabInterval(defaultTabInterval);
            return paragraph;
        }();
        style.paragraph = defaultStyle;
    }
    return style;
}

std::vector<Line> layOut(const std::u16string& text, const Style& style) {
    const QFontMetricsF& metrics = style.font->peer().metrics;
    std::vector<Line> lines(1);
    QString pending;
    double x = 0;
    const auto endRun = [&] {
        if (!pending.isEmpty()) {
            const double width = metrics.horizontalAdvance(pending);
            lines.back().runs.push_back({pending, x});
            x += width;
            pending.clear();
        }
        lines.back().width = x;
    };
    for (const char16_t c : text) {
        if (isNewline(c)) {
            endRun();
            lines.emplace_back();
            x = 0;
        } else if (c == u'\t') {
            endRun();
            x = style.paragraph->nextTabStopAfter(x);
            lines.back().width = x;
        } else if (!isInvisible(c)) {
            pending.append(QChar(c));
        }
    }
    endRun();
    return lines;
}

} // namespace

AttributedString::AttributedString(Ref<String> string, Ref<Dictionary> attributes)
    : string_(string ? std::move(string) : String::create()),
      attributes_(attributes ? std::move(attributes) : Dictionary::dictionary()) {}

Ref<AttributedString> AttributedString::create(Ref<String> string, Ref<Dictionary> attributes) {
    return std::make_shared<AttributedString>(std::move(string), std::move(attributes));
}

std::size_t AttributedString::length() const {
    return string_->length();
}

Rect AttributedString::boundingRectWithSizeOptions(Size, std::uint64_t options) const {
    const Style style = styleOf(attributes_.get());
    const std::vector<Line> lines = layOut(string_->utf16(), style);
    double width = 0;
    for (const Line& line : lines)
        width = std::max(width, line.width);
    const Font::Peer& font = style.font->peer();
    const double lineHeight = (options & StringDrawingOptions::UsesFontLeading)
                                  ? detail::defaultLineHeight(font)
                                  : font.metrics.ascent() + font.metrics.descent();
    return {0, 0, width, lineHeight * static_cast<double>(lines.size())};
}

Size AttributedString::size() const {
    return boundingRectWithSizeOptions({}, StringDrawingOptions::UsesLineFragmentOrigin |
                                               StringDrawingOptions::UsesFontLeading)
        .size;
}

void AttributedString::drawAtPoint(Point point) const {
    auto* context = detail::GraphicsContext::current();
    if (!context)
        return;
    const Style style = styleOf(attributes_.get());
    const std::vector<Line> lines = layOut(string_->utf16(), style);
    const Font::Peer& font = style.font->peer();
    const double lineHeight = detail::defaultLineHeight(font);

    QPainter& painter = context->painter();
    painter.save();
    painter.translate(point.x, point.y);
    double top = 0;
    if (!context->isFlipped()) {
        // Text runs downwards: turn the view's upward y round locally, so that the point is
        // the bottom-left corner of the last line.
        painter.scale(1, -1);
        top = -lineHeight * static_cast<double>(lines.size());
    }
    painter.setFont(font.font);
    painter.setPen(style.foreground ? detail::toQColor(*style.foreground) : QColor(Qt::black));
    for (const Line& line : lines) {
        if (style.background && line.width > 0)
            painter.fillRect(QRectF(0, top, line.width, lineHeight),
                             detail::toQColor(*style.background));
        const double baseline = top + font.metrics.ascent();
        for (const Run& run : line.runs)
            painter.drawText(QPointF(run.x, baseline), run.text);
        top += lineHeight;
    }
    painter.restore();
}

Ref<String> AttributedString::description() const {
    return String::fromUtf8(string_->utf8() + attributes_->description()->utf8());
}

bool AttributedString::isEqual(const Object& other) const {
    const auto* string = dynamic_cast<const AttributedString*>(&other);
    return string && string->string_->isEqual(*string_) &&
           string->attributes_->isEqual(*attributes_);
}

std::size_t AttributedString::hash() const {
    return string_->hash();
}

} // namespace platform
