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

// The rows that text at y may paint: glyphs may rise above or hang below their line, so a line
// height of room is allowed on either side.
Extent textExtent(double y, double lineHeight, double lines = 1) {
    return {y - lineHeight, y + lineHeight * (lines + 1)};
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
        const double lineHeight = lineHeightOf(item.attributes());
        double lines = 1;
        if (item.string())
            for (const char16_t c : item.string()->utf16())
                lines += isNewline(c) ? 1 : 0;
        return textExtent(item.pt().y, lineHeight, lines);
    }
    }
}

} // namespace

// The vertical extents of the items, in list order, by blocks of items in a tree of running
// minimum tops and maximum bottoms, so that a redraw finds the items meeting its rows without
// looking at the rest; and for each block, the last item up to its end that leaves a colour
// current, so that a redraw that leaves items out still strokes in the colour a full pass
// would. It keeps nothing per item: the extents of the items in a block that meets the rows
// are taken again from the items.
class CUI_PrintToWindowView::DrawingIndex {
public:
    static constexpr std::size_t blockSize = 64;

    bool isValid() const { return valid_; }
    void invalidate() { valid_ = false; }

    void clear() {
        count_ = 0;
        capacity_ = 0;
        top_ = {};
        bottom_ = {};
        colorThrough_ = {};
        valid_ = true;
    }

    // Adds the next item, with its extent and whether drawing it leaves a colour current.
    void add(Extent extent, bool leavesColor) {
        const std::size_t index = count_++;
        const std::size_t block = index / blockSize;
        if (block == colorThrough_.size())
            colorThrough_.push_back(block ? colorThrough_.back() : -1);
        if (leavesColor)
            colorThrough_.back() = static_cast<std::int64_t>(index);
        if (colorThrough_.size() > capacity_) {
            grow(block, extent);
            return;
        }
        std::size_t node = capacity_ + block;
        top_[node] = std::min(top_[node], extent.top);
        bottom_[node] = std::max(bottom_[node], extent.bottom);
        for (node /= 2; node >= 1; node /= 2) {
            top_[node] = std::min(top_[2 * node], top_[2 * node + 1]);
            bottom_[node] = std::max(bottom_[2 * node], bottom_[2 * node + 1]);
        }
    }

    // Calls f with the index of every item whose extent (as extentOf gives it) meets the rows
    // from top to bottom, in list order.
    template <class E, class F>
    void forEachMeeting(double top, double bottom, E&& extentOf, F&& f) const {
        if (count_ == 0)
            return;
        const auto inBlock = [&](std::size_t block) {
            const std::size_t end = std::min(count_, (block + 1) * blockSize);
            for (std::size_t i = block * blockSize; i < end; ++i)
                if (const Extent e = extentOf(i); e.top < bottom && e.bottom > top)
                    f(i);
        };
        visit(1, 0, capacity_, top, bottom, inBlock);
    }

    // The last item before index that leaves a colour current (as leavesColor tells), or −1.
    template <class C>
    std::int64_t colorSourceBefore(std::size_t index, C&& leavesColor) const {
        const std::size_t block = index / blockSize;
        for (std::size_t i = index; i > block * blockSize; --i)
            if (leavesColor(i - 1))
                return static_cast<std::int64_t>(i - 1);
        return block ? colorThrough_[block - 1] : -1;
    }

private:
    void grow(std::size_t block, Extent extent) {
        const std::size_t old = capacity_;
        capacity_ = std::max<std::size_t>(64, capacity_ * 2);
        std::vector<double> top(2 * capacity_, std::numeric_limits<double>::infinity());
        std::vector<double> bottom(2 * capacity_, -std::numeric_limits<double>::infinity());
        for (std::size_t i = 0; i < old; ++i) {
            top[capacity_ + i] = top_[old + i];
            bottom[capacity_ + i] = bottom_[old + i];
        }
        top[capacity_ + block] = std::min(top[capacity_ + block], extent.top);
        bottom[capacity_ + block] = std::max(bottom[capacity_ + block], extent.bottom);
        for (std::size_t node = capacity_ - 1; node >= 1; --node) {
            top[node] = std::min(top[2 * node], top[2 * node + 1]);
            bottom[node] = std::max(bottom[2 * node], bottom[2 * node + 1]);
        }
        top_ = std::move(top);
        bottom_ = std::move(bottom);
    }

    template <class F>
    void visit(std::size_t node, std::size_t first, std::size_t span, double top, double bottom,
               const F& f) const {
        if (first >= colorThrough_.size() || top_[node] >= bottom || bottom_[node] <= top)
            return;
        if (span == 1) {
            f(first);
            return;
        }
        visit(2 * node, first, span / 2, top, bottom, f);
        visit(2 * node + 1, first + span / 2, span / 2, top, bottom, f);
    }

    std::size_t count_ = 0;
    std::size_t capacity_ = 0;   // leaves of the tree, one per block
    std::vector<double> top_;    // minimum top under each node of the tree
    std::vector<double> bottom_; // maximum bottom under each node
    std::vector<std::int64_t> colorThrough_;
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
    for (const auto& item : objects_)
        release(*item);
}

Ref<CUI_PrintToWindowView> CUI_PrintToWindowView::viewWithFrame(Rect frame) {
    return std::make_shared<CUI_PrintToWindowView>(frame);
}

const CUI_PrintToWindowView::ItemList& CUI_PrintToWindowView::items() const {
    while (items_.size() < slots_.size())
        items_.push_back(objectOf(items_.size()));
    return items_;
}

const Ref<CUI_PrintToWindowItem>& CUI_PrintToWindowView::objectOf(std::size_t index) const {
    Slot& slot = slots_[index];
    if (slot.attributes == objectSlot)
        return objects_[slot.start];
    auto item = CUI_PrintToWindowItem::itemWithStringPointAttributes(
        String::create(text_.substr(slot.start, slot.length)), slot.pt,
        attributeSets_[slot.attributes].attributes);
    // An object's text item is kept in the object from now on, which a program may change.
    auto& self = const_cast<CUI_PrintToWindowView&>(*this);
    self.adopt(*item);
    slot = {{}, objects_.size(), 0, objectSlot};
    objects_.push_back(std::move(item));
    return objects_.back();
}

void CUI_PrintToWindowView::forgetItems() {
    for (const auto& item : objects_)
        release(*item);
    // Assigned afresh rather than emptied, so that the memory of a long content goes back.
    slots_ = {};
    objects_ = {};
    items_ = {};
}

void CUI_PrintToWindowView::setItems(ItemList items) {
    forgetItems();
    std::erase(items, nullptr);
    for (auto& item : items) {
        adopt(*item);
        slots_.push_back({{}, objects_.size(), 0, objectSlot});
        objects_.push_back(item);
    }
    items_ = std::move(items);
    index_->invalidate();
}

const Ref<MutableString>& CUI_PrintToWindowView::textString() const {
    if (pendingTextFrom_) {
        textString_ = MutableString::create(text_.substr(*pendingTextFrom_));
        pendingTextFrom_.reset();
    }
    return textString_;
}

void CUI_PrintToWindowView::setTextString(Ref<MutableString> text) {
    textString_ = std::move(text);
    pendingTextFrom_.reset();
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
        index_->add(extentOf(*item), colorLeftBy(*item) != nullptr);
    slots_.push_back({{}, objects_.size(), 0, objectSlot});
    objects_.push_back(std::move(item));
}

void CUI_PrintToWindowView::appendText(std::size_t start, std::size_t length, Point pt,
                                       std::uint32_t set) {
    if (index_->isValid())
        index_->add(textExtent(pt.y, attributeSets_[set].lineHeight), false);
    slots_.push_back({pt, start, static_cast<std::uint32_t>(length), set});
}

double CUI_PrintToWindowView::widthOfPiece(std::size_t start, std::size_t length,
                                           std::uint32_t set) {
    // An empty piece, as every ended line leaves, has no width to measure.
    if (length == 0)
        return 0;
    // Programs print the same lines again and again (prompts, separators, status lines), and
    // measuring is most of what a print costs. The widths of the pieces last measured are kept,
    // by text and attribute set, in a cache that starts again when it is full.
    constexpr std::size_t cacheSize = 256;
    std::u16string key{static_cast<char16_t>(set >> 16), static_cast<char16_t>(set & 0xFFFF)};
    key.append(text_, start, length);
    if (const auto cached = widthCache_.find(key); cached != widthCache_.end())
        return cached->second;
    if (widthCache_.size() >= cacheSize)
        widthCache_.clear();
    const double width = widthOf(String::create(key.substr(2)), attributeSets_[set].attributes);
    widthCache_.emplace(std::move(key), width);
    return width;
}

std::uint32_t CUI_PrintToWindowView::currentAttributeSet() {
    // The sets made last are the ones a program that changes colour from line to line returns
    // to; looking further back would cost more than the copy it saves.
    constexpr std::size_t recent = 16;
    const auto matches = [&](std::uint32_t set) {
        return set < attributeSets_.size() &&
               attributeSets_[set].attributes->isEqual(*currentAttributes_);
    };
    if (matches(currentAttributeSet_))
        return currentAttributeSet_;
    const std::size_t count = attributeSets_.size();
    for (std::size_t i = count; i > 0 && i + recent > count; --i)
        if (matches(static_cast<std::uint32_t>(i - 1)))
            return currentAttributeSet_ = static_cast<std::uint32_t>(i - 1);
    auto copy = Dictionary::dictionary();
    for (const auto& entry : *currentAttributes_)
        copy->setObjectForKey(entry.value, entry.key);
    attributeSets_.push_back({copy, lineHeightOf(copy)});
    return currentAttributeSet_ = static_cast<std::uint32_t>(attributeSets_.size() - 1);
}

void CUI_PrintToWindowView::itemDidChange() {
    index_->invalidate();
}

double CUI_PrintToWindowView::lineHeight() const {
    return lineHeightOf(currentAttributes_);
}

Point CUI_PrintToWindowView::addString(const Ref<String>& string) {
    const std::size_t first = text_.size();
    if (string)
        text_ += string->utf16();
    if (text_.size() == first || (text_.back() != NoNewlineMarker && text_.back() != u'\t'))
        text_.push_back(u'\n');
    if (textString_)
        textString_->appendString(*String::create(text_.substr(first)));
    else if (!pendingTextFrom_)
        pendingTextFrom_ = first;

    const std::uint32_t set = currentAttributeSet();
    if (runs_.empty() || runs_.back().attributeSet != set)
        runs_.push_back({first, set});
    accessibilityPostTextInserted(
        {static_cast<std::int64_t>(first), static_cast<std::int64_t>(text_.size() - first)});
    const double height = attributeSets_[set].lineHeight;
    std::size_t start = first;
    for (std::size_t end = first;; ++end) {
        const bool last = end == text_.size();
        if (!last && !isNewline(text_[end]))
            continue;
        const double width = widthOfPiece(start, end - start, set);
        double x = currentPoint_.x;
        if (currentAlignment_ == TextAlignment::Right)
            x = bounds().width() - width;
        else if (currentAlignment_ == TextAlignment::Center)
            x = (bounds().width() - width) * 0.5;
        appendText(start, end - start, {x, currentPoint_.y}, set);
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
    accessibilityPostTextRemoved({0, accessibilityInsertionPointIndex()});
    forgetItems();
    index_->clear();
    text_ = {};
    runs_ = {};
    attributeSets_.clear();
    currentAttributeSet_ = objectSlot;
    widthCache_.clear();
    textString_ = nullptr;
    pendingTextFrom_.reset();
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

void CUI_PrintToWindowView::drawSlot(const Slot& slot) const {
    if (slot.attributes == objectSlot) {
        drawItem(*objects_[slot.start]);
        return;
    }
    AttributedString(String::create(text_.substr(slot.start, slot.length)),
                     attributeSets_[slot.attributes].attributes)
        .drawAtPoint(slot.pt);
}

void CUI_PrintToWindowView::drawRect(Rect dirtyRect) {
    View::drawRect(dirtyRect);
    const auto extentAt = [&](std::size_t i) {
        const Slot& slot = slots_[i];
        return slot.attributes == objectSlot
                   ? extentOf(*objects_[slot.start])
                   : textExtent(slot.pt.y, attributeSets_[slot.attributes].lineHeight);
    };
    const auto colorLeftAt = [&](std::size_t i) {
        const Slot& slot = slots_[i];
        return slot.attributes == objectSlot ? colorLeftBy(*objects_[slot.start]) : nullptr;
    };
    if (!skipsItemsOutsideDirtyRect_) {
        for (const Slot& slot : slots_)
            drawSlot(slot);
        return;
    }
    if (!index_->isValid()) {
        index_->clear();
        for (std::size_t i = 0; i < slots_.size(); ++i)
            index_->add(extentAt(i), colorLeftAt(i) != nullptr);
    }
    std::size_t next = 0;
    index_->forEachMeeting(dirtyRect.minY(), dirtyRect.maxY(), extentAt, [&](std::size_t i) {
        // Items left out may have changed the current colour in a full pass.
        if (i != next) {
            const std::int64_t source = index_->colorSourceBefore(
                i, [&](std::size_t j) { return colorLeftAt(j) != nullptr; });
            if (source >= 0)
                colorLeftAt(static_cast<std::size_t>(source))->set();
        }
        drawSlot(slots_[i]);
        next = i + 1;
    });
}

Ref<Array> CUI_PrintToWindowView::itemArray() const {
    const ItemList& items = this->items();
    auto list = Array::arrayWithCapacity(items.size());
    const auto put = [](Dictionary& record, const char* key, Ref<platform::Object> value) {
        record.setObjectForKey(std::move(value), String::fromUtf8(key));
    };
    for (const auto& item : items) {
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

Ref<String> CUI_PrintToWindowView::accessibilityValue() const {
    return textString();
}

std::int64_t CUI_PrintToWindowView::accessibilityInsertionPointIndex() const {
    const auto& text = textString();
    return text ? text->length() : 0;
}

Ref<Color> CUI_PrintToWindowView::accessibilityForegroundColorAtIndex(std::int64_t index,
                                                                      platform::Range& run) const {
    const auto after =
        std::upper_bound(runs_.begin(), runs_.end(), index, [](std::int64_t at, const Run& r) {
            return at < static_cast<std::int64_t>(r.start);
        });
    if (index < 0 || index >= static_cast<std::int64_t>(text_.size()) || after == runs_.begin())
        return nullptr;
    const auto end = after == runs_.end() ? text_.size() : after->start;
    const Run& found = *std::prev(after);
    run = {static_cast<std::int64_t>(found.start), static_cast<std::int64_t>(end - found.start)};
    return std::dynamic_pointer_cast<Color>(
        attributeSets_[found.attributeSet].attributes->objectForKey(
            platform::ForegroundColorAttributeName()));
}
