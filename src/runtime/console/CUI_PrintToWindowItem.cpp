#include "runtime/console/CUI_PrintToWindowItem.h"

#include "platform/drawing/Color.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "runtime/console/CUI_PrintToWindowView.h"

using platform::Color;
using platform::Dictionary;
using platform::Point;
using platform::Rect;
using platform::Ref;
using platform::String;

namespace {

Ref<Dictionary> copyOf(const Ref<Dictionary>& attributes) {
    if (!attributes)
        return nullptr;
    auto copy = Dictionary::dictionary();
    for (const auto& entry : *attributes)
        copy->setObjectForKey(entry.value, entry.key);
    return copy;
}

} // namespace

CUI_PrintToWindowItem::CUI_PrintToWindowItem(const Ref<String>& string, Point point,
                                             const Ref<Dictionary>& attributes)
    : type_(TypeText), string_(string ? String::create(string->utf16()) : nullptr),
      attributes_(copyOf(attributes)), pt_(point) {}

CUI_PrintToWindowItem::CUI_PrintToWindowItem(Point linePoint1, Point linePoint2)
    : type_(TypeLine), linePt1_(linePoint1), linePt2_(linePoint2) {}

CUI_PrintToWindowItem::CUI_PrintToWindowItem(std::int64_t type, Rect rect, Ref<Color> strokeColor,
                                             Ref<Color> fillColor)
    : type_(static_cast<std::uint64_t>(type)), strokeColor_(std::move(strokeColor)),
      fillColor_(std::move(fillColor)), rect_(rect) {}

Ref<CUI_PrintToWindowItem>
CUI_PrintToWindowItem::itemWithStringPointAttributes(const Ref<String>& string, Point point,
                                                     const Ref<Dictionary>& attributes) {
    return std::make_shared<CUI_PrintToWindowItem>(string, point, attributes);
}

Ref<CUI_PrintToWindowItem> CUI_PrintToWindowItem::itemWithLinePoint1LinePoint2(Point p1, Point p2) {
    return std::make_shared<CUI_PrintToWindowItem>(p1, p2);
}

Ref<CUI_PrintToWindowItem> CUI_PrintToWindowItem::itemWithTypeRectStrokeColorFillColor(
    std::int64_t type, Rect rect, Ref<Color> strokeColor, Ref<Color> fillColor) {
    return std::make_shared<CUI_PrintToWindowItem>(type, rect, std::move(strokeColor),
                                                   std::move(fillColor));
}

void CUI_PrintToWindowItem::changed() {
    for (CUI_PrintToWindowView* owner : owners_)
        owner->itemDidChange();
}

void CUI_PrintToWindowItem::setType(std::uint64_t type) {
    type_ = type;
    changed();
}

void CUI_PrintToWindowItem::setString(Ref<String> string) {
    string_ = std::move(string);
    changed();
}

void CUI_PrintToWindowItem::setAttributes(Ref<Dictionary> attributes) {
    attributes_ = std::move(attributes);
    changed();
}

void CUI_PrintToWindowItem::setLineWidth(double width) {
    lineWidth_ = width;
    changed();
}

void CUI_PrintToWindowItem::setLineCapStyle(std::uint64_t style) {
    lineCapStyle_ = style;
    changed();
}

void CUI_PrintToWindowItem::setLineDashPattern(Ref<platform::Array> pattern) {
    lineDashPattern_ = std::move(pattern);
    changed();
}

void CUI_PrintToWindowItem::setLineDashPhase(double phase) {
    lineDashPhase_ = phase;
    changed();
}

void CUI_PrintToWindowItem::setStrokeColor(Ref<Color> color) {
    strokeColor_ = std::move(color);
    changed();
}

void CUI_PrintToWindowItem::setFillColor(Ref<Color> color) {
    fillColor_ = std::move(color);
    changed();
}

void CUI_PrintToWindowItem::setPt(Point point) {
    pt_ = point;
    changed();
}

void CUI_PrintToWindowItem::setLinePt1(Point point) {
    linePt1_ = point;
    changed();
}

void CUI_PrintToWindowItem::setLinePt2(Point point) {
    linePt2_ = point;
    changed();
}

void CUI_PrintToWindowItem::setRect(Rect rect) {
    rect_ = rect;
    changed();
}
