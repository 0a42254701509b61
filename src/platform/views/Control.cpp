#include "platform/views/Control.h"

#include "platform/app/Application.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/views/Cell.h"
#include "platform/views/Formatter.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace platform {

Control::Control(Rect frame, std::unique_ptr<ViewPeer> peer, Ref<Cell> cell)
    : View(frame, std::move(peer)), cell_(cell ? std::move(cell) : std::make_shared<Cell>()),
      alignment_(TextAlignment::Natural) {}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (QWidget* widget = peer().widget)
        widget->setEnabled(enabled);
}

bool Control::sendAction(const Selector& action) {
    if (!enabled_ || action.isNull())
        return false;
    // The action may close the window that holds the control.
    const auto self = shared_from_this();
    if (const auto receiver = target())
        return action.performOn(*receiver, self);
    return action.performOn(*Application::shared(), self);
}

std::int64_t Control::intValue() const {
    const double value = doubleValue();
    if (std::isnan(value))
        return 0;
    if (value >= 9.2e18)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -9.2e18)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

Ref<String> Control::textOfNumber(double value) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return String::fromUtf8(std::string_view(text, static_cast<std::size_t>(end - text)));
}

double Control::numberInText(const Ref<String>& string) {
    const std::string text = string ? string->utf8() : std::string();
    double value = 0;
    const auto start = text.find_first_not_of(" \t\n");
    if (start != std::string::npos)
        std::from_chars(text.data() + start, text.data() + text.size(), value);
    return value;
}

Ref<String> Control::stringValue() const {
    return textOfNumber(doubleValue());
}

void Control::setStringValue(const Ref<String>& string) {
    setDoubleValue(numberInText(string));
}

Ref<Object> Control::objectValue() const {
    return Number::numberWithDouble(doubleValue());
}

void Control::setObjectValue(const Ref<Object>& object) {
    if (const auto number = object ? object->as<Number>() : nullptr)
        setDoubleValue(number->doubleValue());
    else
        setStringValue(object ? object->as<String>() : nullptr);
}

void Control::drawRect(Rect) {
    peer().toolkitPaintRequested = true;
}

Ref<Font> Control::font() const {
    return cell_->font();
}

void Control::setFont(Ref<Font> font) {
    cell_->setFont(std::move(font));
}

bool Control::setCell(Ref<Cell> cell) {
    if (!cell)
        return false;
    cell_ = std::move(cell);
    setNeedsDisplay(true);
    return true;
}

void Control::setAlignment(std::int64_t alignment) {
    alignment_ = alignment;
}

void Control::setFormatter(Ref<Formatter> formatter) {
    formatter_ = std::move(formatter);
}

} // namespace platform
