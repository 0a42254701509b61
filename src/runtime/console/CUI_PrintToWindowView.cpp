#include "runtime/console/CUI_PrintToWindowView.h"

#include "platform/drawing/AttributedString.h"
#include "platform/drawing/BezierPath.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/LayoutManager.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/MutableString.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/foundation/Value.h"
#include "platform/views/ClipView.h"
#include "platform/windows/Window.h"
#include "runtime/console/CUI_PrintToWindowItem.h"

#include <algorithm>
#include <limits>

using platform::Array;
using platform::AttributedString;
using platform::BezierPath;
using platform::Color;
using platform::Dictionary;
using platform::Font;
using platform::LayoutManager;
using platform::MutableString;
using platform::Number;
using platform::ParagraphStyle;
using platform::Point;
using platform::Rect;
using platform::Ref;
using platform::Size;
using platform::String;
using platform::Value;
namespace TextAlignment = platform::TextAlignment;

namespace {

constexpr double defaultFontSize = 12;
constexpr double defaultTabInterval = 28;
// Room left below the lowest content each time the view grows.
constexpr double growthMargin = 20;
// The box that a piece of text is laid out in; text never reaches its edges.
constexpr Size layoutBox{10000, 10000};

// The characters at which a print is cut into pieces.
bool isNewline(char16_t c) {
    return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

const Ref<String>& menloName() {
    static const Ref<String> name = String::fromUtf8("Menlo");
    return name;
}

Ref<Font> fontOf(const Ref<Dictionary>& attributes) {
    if (attributes)
        if (const Ref<platform::Object> font =
                attributes->objectForKey(platform::FontAttributeName()))
            if (Ref<Font> result = font->as<Font>())
                return result;
    static const Ref<Font> systemFont = Font::systemFontOfSize(defaultFontSize);
    return systemFont;
}

double lineHeightOf(const Ref<Dictionary>& attributes) {
    return LayoutManager().defaultLineHeightForFont(*fontOf(attributes));
}

double widthOf(const Ref<String>& text, const Ref<Dictionary>& attributes) {
    return AttributedString(text, attributes)
        .boundingRectWithSizeOptions(layoutBox,
                                     platform::StringDrawingOptions::UsesLineFragmentOrigin |
                                         platform::StringDrawingOptions::UsesFontLeading)
        .width();
}

Ref<ParagraphStyle> paragraphStyleWithTabInterval(double interval) {
    auto style = ParagraphStyle::paragraphStyle();
    style->setDefaultTabInterval(interval);
    style->setTabStops({});
    return style;
}

// The colour that drawing an item leaves current, or none when it sets no colour.
Ref<Color> colorLeftBy(const CUI_PrintToWindowItem& item) {
    switch (item.type()) {
    case CUI_PrintToWindowItem::TypeRect:
    case CUI_PrintToWindowItem::TypeOval:
        if (item.lineWidth() >= 0 && item.strokeColor())
            return item.strokeColor();
        return item.fillColor();
    case CUI_PrintToWindowItem::TypeLine:
        return item.lineWidth() >= 0 ? item.strokeColor() : nullptr;
    default:
        return nullptr;
    }
}

struct Extent {
    double top = std::numeric_limits<double>::infinity();
    double bottom = -std::numeric_limits<double>::infinity();
};

// How far a stroke may paint past its path: half the width for the line and its caps, the
// miter of a right-angled corner, and a pixel of antialiasing; doubled to stay on the safe side.
double strokeReach(double width) {
    return std::max(width, 1.0) * 2 + 1;
}

// The rows that an item may paint, generously: drawing can only leave out items whose extent
// misses the area being redrawn.
Extent extentOf(const CUI_PrintToWindowItem& item) {
    switch (item.type()) {
    case CUI_PrintToWindowItem::TypeLine: {
        if (item.lineWidth() < 0)
            return {};
        const double reach = strokeReach(item.lineWidth());
        return {std::min(item.linePt1().y, item.linePt2().y) - reach,
                std::max(item.linePt1().y, item.linePt2().y) + reach};
    }
    case CUI_PrintToWindowItem::TypeRect:
    case CUI_PrintToWindowItem::TypeOval: {
        const double reach = item.lineWidth() < 0 ? 1 : strokeReach(item.lineWidth());
        const Rect r = item.rect();
        return {std::min(r.minY(), r.maxY()) - reach, std::max(r.minY(), r.maxY()) + reach};
    }
    default: {
        // Glyphs may rise above or hang below their line, so a line height of room is
        // allowed on either side.
        const double lineHeight = lineHeightOf(item.attributes());
        double lines = 1;
        if (item.string())
            for (const char16_t c : item.string()->utf16())
                lines += isNewline(c) ? 1 : 0;
        return {item.pt().y - lineHeight, item.pt().y + lineHeight * (lines + 1)};
    }
    }
}

} // namespace

// The vertical extent of every item, in list order, in a tree of running minimum tops and
// maximum bottoms, so that a redraw finds the items meeting its rows without looking at the
// rest; and for each item, the last item up to it that leaves a colour current, so that a
// redraw that leaves items out still strokes in the colour a full pass would.
class CUI_PrintToWindowView::DrawingIndex {
public:
    bool isValid() const { return valid_; }
    void invalidate() { valid_ = false; }

    void rebuild(const ItemList& items) {
        entries_.clear();
        capacity_ = 0;
        for (const auto& item : items)
            add(*item);
        valid_ = true;
    }

    void add(const CUI_PrintToWindowItem& item) {
        const std::size_t index = entries_.size();
        const std::int64_t previous = index ? entries_.back().colorSource : -1;
        entries_.push_back(
            {extentOf(item), colorLeftBy(item) ? static_cast<std::int64_t>(index) : previous});
        if (entries_.size() > capacity_) {
            grow();
            return;
        }
        std::size_t node = capacity_ + index;
        top_[node] = entries_[index].extent.top;
        bottom_[node] = entries_[index].extent.bottom;
        for (node /= 2; node >= 1; node /= 2) {
            top_[node] = std::min(top_[2 * node], top_[2 * node + 1]);
            bottom_[node] = std::max(bottom_[2 * node], bottom_[2 * node + 1]);
        }
    }

    // Calls f with the index of every item whose extent meets the rows from top to bottom,
    // in list order.
    template <class F>
    void forEachMeeting(double top, double bottom, F&& f) const {
        if (!entries_.empty())
            visit(1, 0, capacity_, top, bottom, f);
    }

    // The last item before index that leaves a colour current, or −1.
    std::int64_t colorSourceBefore(std::size_t index) const {
        return index ? entries_[index - 1].colorSource : -1;
    }

private:
    struct Entry {
        Extent extent;
        std::int64_t colorSource;
    };

    void grow() {
        capacity_ = std::max<std::size_t>(1024, capacity_ * 2);
        top_.assign(2 * capacity_, std::numeric_limits<double>::infinity());
        bottom_.assign(2 * capacity_, -std::numeric_limits<double>::infinity());
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            top_[capacity_ + i] = entries_[i].extent.top;
            bottom_[capacity_ + i] = entries_[i].extent.bottom;
        }
        for (std::size_t node = capacity_ - 1; node >= 1; --node) {
            top_[node] = std::min(top_[2 * node], top_[2 * node + 1]);
            bottom_[node] = std::max(bottom_[2 * node], bottom_[2 * node + 1]);
        }
    }

    template <class F>
    void visit(std::size_t node, std::size_t first, std::size_t span, double top, double bottom,
               F& f) const {
        if (first >= entries_.size() || top_[node] >= bottom || bottom_[node] <= top)
            return;
        if (span == 1) {
            f(first);
            return;
        }
        visit(2 * node, first, span / 2, top, bottom, f);
        visit(2 * node + 1, first + span / 2, span / 2, top, bottom, f);
    }

    std::vector<Entry> entries_;
    std::size_t capacity_ = 0;
    std::vector<double> top_;    // minimum top under each node of the tree
    std::vector<double> bottom_; // maximum bottom under each node
    bool valid_ = true;
};

CUI_PrintToWindowView::CUI_PrintToWindowView(Rect frame)
    : View(frame), currentStrokeColor_(Color::blackColor()),
      index_(std::make_unique<DrawingIndex>()) {
    setAutoresizingMask(platform::AutoresizingMask::WidthSizable);
    currentPoint_ = {textInset_, 0};
    resetAttributes();
}

CUI_PrintToWindowView::~CUI_PrintToWindowView() {
    for (const auto& item : items_)
        release(*item);
}

Ref<CUI_PrintToWindowView> CUI_PrintToWindowView::viewWithFrame(Rect frame) {
    return std::make_shared<CUI_PrintToWindowView>(frame);
}

void CUI_PrintToWindowView::setItems(ItemList items) {
    for (const auto& item : items_)
        release(*item);
    items_ = std::move(items);
    std::erase(items_, nullptr);
    for (const auto& item : items_)
        adopt(*item);
    index_->invalidate();
}

void CUI_PrintToWindowView::adopt(CUI_PrintToWindowItem& item) {
    if (std::find(item.owners_.begin(), item.owners_.end(), this) == item.owners_.end())
        item.owners_.push_back(this);
}

void CUI_PrintToWindowView::release(CUI_PrintToWindowItem& item) {
    std::erase(item.owners_, this);
}

void CUI_PrintToWindowView::appendItem(Ref<CUI_PrintToWindowItem> item) {
    adopt(*item);
    if (index_->isValid())
        index_->add(*item);
    items_.push_back(std::move(item));
}

void CUI_PrintToWindowView::itemDidChange() {
    index_->invalidate();
}

double CUI_PrintToWindowView::lineHeight() const {
    return lineHeightOf(currentAttributes_);
}

Point CUI_PrintToWindowView::addString(const Ref<String>& string) {
    std::u16string text = string ? string->utf16() : std::u16string();
    if (text.empty() || (text.back() != NoNewlineMarker && text.back() != u'\t'))
        text.push_back(u'\n');

    const auto printed = String::create(text);
    if (!textString_)
        textString_ = MutableString::create();
    textString_->appendString(*printed);

    const double height = lineHeight();
    std::size_t start = 0;
    for (std::size_t end = 0;; ++end) {
        const bool last = end == text.size();
        if (!last && !isNewline(text[end]))
            continue;
        const auto piece = String::create(text.substr(start, end - start));
        const double width = widthOf(piece, currentAttributes_);
        double x = currentPoint_.x;
        if (currentAlignment_ == TextAlignment::Right)
            x = bounds().width() - width;
        else if (currentAlignment_ == TextAlignment::Center)
            x = (bounds().width() - width) * 0.5;
        appendItem(CUI_PrintToWindowItem::itemWithStringPointAttributes(piece, {x, currentPoint_.y},
                                                                        currentAttributes_));
        if (last) {
            currentPoint_.x += width;
            break;
        }
        currentPoint_ = {textInset_, currentPoint_.y + height};
        start = end + 1;
    }

    fixFrameHeight(currentPoint_.y + height);
    setNeedsDisplay(true);
    return currentPoint_;
}

Point CUI_PrintToWindowView::addStringAt(const Ref<String>& string, Point point) {
    currentPoint_ = point;
    return addString(string);
}

void CUI_PrintToWindowView::setColumnRow(double column, double row) {
    const double height = lineHeight();
    const double cellWidth = widthOf(String::fromUtf8("0"), currentAttributes_);
    currentPoint_ = {cellWidth * column, height * row};
    fixFrameHeight(height * row);
}

void CUI_PrintToWindowView::setFontName(const Ref<String>& name) {
    if (!name)
        return;
    if (auto font = Font::fontWithNameSize(*name, fontOf(currentAttributes_)->pointSize()))
        currentAttributes_->setObjectForKey(std::move(font), platform::FontAttributeName());
}

void CUI_PrintToWindowView::setFontSize(double size) {
    if (auto font = Font::fontWithNameSize(*fontOf(currentAttributes_)->fontName(), size))
        currentAttributes_->setObjectForKey(std::move(font), platform::FontAttributeName());
}

void CUI_PrintToWindowView::setForegroundColor(Ref<Color> color) {
    currentAttributes_->setObjectForKey(std::move(color), platform::ForegroundColorAttributeName());
}

void CUI_PrintToWindowView::setBackgroundColor(Ref<Color> color) {
    currentAttributes_->setObjectForKey(std::move(color), platform::BackgroundColorAttributeName());
}

void CUI_PrintToWindowView::setAttributes(const Ref<Dictionary>& attributes) {
    if (!attributes)
        return;
    for (const auto& entry : *attributes)
        currentAttributes_->setObjectForKey(entry.value, entry.key);
}

void CUI_PrintToWindowView::setTabInterval(double interval) {
    currentAttributes_->setObjectForKey(paragraphStyleWithTabInterval(interval),
                                        platform::ParagraphStyleAttributeName());
}

void CUI_PrintToWindowView::resetAttributes() {
    currentAttributes_ = Dictionary::dictionary();
    currentAttributes_->setObjectForKey(Font::fontWithNameSize(*menloName(), defaultFontSize),
                                        platform::FontAttributeName());
    currentAttributes_->setObjectForKey(Color::textColor(),
                                        platform::ForegroundColorAttributeName());
    currentAttributes_->setObjectForKey(Color::clearColor(),
                                        platform::BackgroundColorAttributeName());
    setTabInterval(defaultTabInterval);
    currentAlignment_ = TextAlignment::Left;
}

void CUI_PrintToWindowView::clear() {
    setItems({});
    index_->rebuild(items_);
    textString_ = nullptr;
    currentPoint_ = {textInset_, 0};
    viewH_ = 0;
    viewW_ = 0;
    // In a scroll view the console is as wide as the visible area, which the scroller may be
    // narrowing; it then follows that area's width as the scroller shows or hides.
    double width = bounds().width();
    if (const auto clip = superview() ? superview()->as<platform::ClipView>() : nullptr)
        width = clip->bounds().width();
    else if (const auto window = this->window())
        width = window->contentView()->bounds().width();
    setFrameSize({width, 1});
    setNeedsDisplay(true);
}

void CUI_PrintToWindowView::fixFrameHeight(double y) {
    if (viewH_ > y)
        return;
    viewH_ = y + growthMargin;
    setFrameSize({bounds().width(), std::max(bounds().height(), y + growthMargin)});
}

void CUI_PrintToWindowView::setLineStyleForItem(const Ref<CUI_PrintToWindowItem>& item) const {
    if (!item)
        return;
    item->setLineWidth(currentLineWidth_);
    item->setStrokeColor(currentStrokeColor_);
    item->setLineCapStyle(currentLineCapStyle_);
    item->setLineDashPattern(currentLineDashPattern_);
    item->setLineDashPhase(currentLineDashPhase_);
}

void CUI_PrintToWindowView::addLinesFromCurrentLocation(const Ref<Array>& points,
                                                        bool fromCurrentLocation) {
    std::vector<Point> path;
    if (points)
        for (const auto& object : *points)
            if (const auto value = object->as<Value>())
                path.push_back(value->pointValue());
    // A run that does not start at the graphic pen starts at its first point, so it needs one.
    if (!fromCurrentLocation && path.empty())
        return;
    Point start = fromCurrentLocation ? currentLinePoint_ : path.front();
    if (!fromCurrentLocation && path.size() == 1) {
        currentLinePoint_ = path.front();
        return;
    }
    double maxY = 0;
    for (const Point point : path) {
        auto item = CUI_PrintToWindowItem::itemWithLinePoint1LinePoint2(start, point);
        setLineStyleForItem(item);
        if (point.y > maxY)
            maxY = point.y + item->lineWidth() * 0.5;
        appendItem(std::move(item));
        start = point;
    }
    currentLinePoint_ = start;
    fixFrameHeight(maxY);
}

void CUI_PrintToWindowView::addRectWithRectStrokeColorFillColor(Rect rect, Ref<Color> strokeColor,
                                                                Ref<Color> fillColor) {
    addShape(CUI_PrintToWindowItem::TypeRect, rect, std::move(strokeColor), std::move(fillColor));
}

void CUI_PrintToWindowView::addOvalWithRectStrokeColorFillColor(Rect rect, Ref<Color> strokeColor,
                                                                Ref<Color> fillColor) {
    addShape(CUI_PrintToWindowItem::TypeOval, rect, std::move(strokeColor), std::move(fillColor));
}

void CUI_PrintToWindowView::addShape(std::uint64_t type, Rect rect, Ref<Color> strokeColor,
                                     Ref<Color> fillColor) {
    auto item = CUI_PrintToWindowItem::itemWithTypeRectStrokeColorFillColor(type, rect, strokeColor,
                                                                            fillColor);
    setLineStyleForItem(item);
    // The colours given win over the view's stroke colour, an absent one included.
    item->setStrokeColor(std::move(strokeColor));
    item->setFillColor(std::move(fillColor));
    const double width = item->lineWidth();
    appendItem(std::move(item));
    fixFrameHeight(rect.minY() + rect.height() + width * 0.5);
}

void CUI_PrintToWindowView::drawItem(const CUI_PrintToWindowItem& item) const {
    Ref<BezierPath> path;
    switch (item.type()) {
    case CUI_PrintToWindowItem::TypeOval:
    case CUI_PrintToWindowItem::TypeRect:
        path = item.type() == CUI_PrintToWindowItem::TypeOval
                   ? BezierPath::bezierPathWithOvalInRect(item.rect())
                   : BezierPath::bezierPathWithRect(item.rect());
        if (item.fillColor()) {
            item.fillColor()->set();
            path->fill();
        }
        // A negative width asks for a filled shape without an outline.
        if (item.lineWidth() < 0)
            return;
        break;
    case CUI_PrintToWindowItem::TypeLine:
        if (item.lineWidth() < 0)
            return;
        path = BezierPath::bezierPath();
        path->moveToPoint(item.linePt1());
        path->lineToPoint(item.linePt2());
        break;
    default:
        AttributedString(item.string(), item.attributes()).drawAtPoint(item.pt());
        return;
    }
    path->setLineWidth(item.lineWidth());
    if (item.lineCapStyle() != 0)
        path->setLineCapStyle(static_cast<platform::LineCapStyle>(item.lineCapStyle()));
    if (item.lineDashPattern()) {
        std::vector<double> pattern;
        for (const auto& length : *item.lineDashPattern())
            if (const auto number = length->as<Number>())
                pattern.push_back(number->doubleValue());
        path->setLineDashCountPhase(pattern.data(), pattern.size(), item.lineDashPhase());
    }
    // Without a stroke colour the path is stroked in whatever colour is current.
    if (item.strokeColor())
        item.strokeColor()->set();
    path->stroke();
}

void CUI_PrintToWindowView::drawRect(Rect dirtyRect) {
    View::drawRect(dirtyRect);
    if (!skipsItemsOutsideDirtyRect_) {
        for (const auto& item : items_)
            drawItem(*item);
        return;
    }
    if (!index_->isValid())
        index_->rebuild(items_);
    std::size_t next = 0;
    index_->forEachMeeting(dirtyRect.minY(), dirtyRect.maxY(), [&](std::size_t i) {
        // Items left out may have changed the current colour in a full pass.
        if (i != next)
            if (const std::int64_t source = index_->colorSourceBefore(i); source >= 0)
                colorLeftBy(*items_[static_cast<std::size_t>(source)])->set();
        drawItem(*items_[i]);
        next = i + 1;
    });
}

Ref<Array> CUI_PrintToWindowView::itemArray() const {
    auto list = Array::arrayWithCapacity(items_.size());
    const auto put = [](Dictionary& record, const char* key, Ref<platform::Object> value) {
        record.setObjectForKey(std::move(value), String::fromUtf8(key));
    };
    for (const auto& item : items_) {
        auto record = Dictionary::dictionary();
        put(*record, "type", Number::numberWithInteger(static_cast<std::int64_t>(item->type())));
        put(*record, "pt", Value::valueWithPoint(item->pt()));
        put(*record, "pt1", Value::valueWithPoint(item->linePt1()));
        put(*record, "pt2", Value::valueWithPoint(item->linePt2()));
        put(*record, "rect", Value::valueWithRect(item->rect()));
        put(*record, "lineWidth", Number::numberWithDouble(item->lineWidth()));
        put(*record, "lineCapStyle",
            Number::numberWithInteger(static_cast<std::int64_t>(item->lineCapStyle())));
        put(*record, "lineDashPhase", Number::numberWithDouble(item->lineDashPhase()));
        put(*record, "strokeFlag", Number::numberWithBool(item->strokeFlag()));
        put(*record, "fillFlag", Number::numberWithBool(item->fillFlag()));
        put(*record, "text", item->string());
        put(*record, "attributes", item->attributes());
        put(*record, "lineDashPattern", item->lineDashPattern());
        put(*record, "strokeColor", item->strokeColor());
        put(*record, "fillColor", item->fillColor());
        list->addObject(std::move(record));
    }
    return list;
}
