#include "platform/drawing/Color.h"

#include "platform/detail/ColorConversion.h"
#include "platform/detail/GraphicsContext.h"
#include "platform/foundation/String.h"

#include <QPainter>

#include <cstdio>
#include <functional>

namespace platform {

Color::Color(double red, double green, double blue, double alpha)
    : red_(red), green_(green), blue_(blue), alpha_(alpha) {}

Ref<Color> Color::colorWithRed(double red, double green, double blue, double alpha) {
    return std::make_shared<Color>(red, green, blue, alpha);
}

Ref<Color> Color::colorWithWhite(double white, double alpha) {
    return colorWithRed(white, white, white, alpha);
}

Ref<Color> Color::blackColor() {
    return colorWithWhite(0, 1);
}
Ref<Color> Color::blueColor() {
    return colorWithRed(0, 0, 1, 1);
}
Ref<Color> Color::brownColor() {
    return colorWithRed(0.6, 0.4, 0.2, 1);
}
Ref<Color> Color::cyanColor() {
    return colorWithRed(0, 1, 1, 1);
}
Ref<Color> Color::darkGrayColor() {
    return colorWithWhite(1.0 / 3.0, 1);
}
Ref<Color> Color::grayColor() {
    return colorWithWhite(0.5, 1);
}
Ref<Color> Color::greenColor() {
    return colorWithRed(0, 1, 0, 1);
}
Ref<Color> Color::lightGrayColor() {
    return colorWithWhite(2.0 / 3.0, 1);
}
Ref<Color> Color::magentaColor() {
    return colorWithRed(1, 0, 1, 1);
}
Ref<Color> Color::orangeColor() {
    return colorWithRed(1, 0.5, 0, 1);
}
Ref<Color> Color::purpleColor() {
    return colorWithRed(0.5, 0, 0.5, 1);
}
Ref<Color> Color::redColor() {
    return colorWithRed(1, 0, 0, 1);
}
Ref<Color> Color::whiteColor() {
    return colorWithWhite(1, 1);
}
Ref<Color> Color::yellowColor() {
    return colorWithRed(1, 1, 0, 1);
}
Ref<Color> Color::clearColor() {
    return colorWithWhite(0, 0);
}
Ref<Color> Color::textColor() {
    return colorWithWhite(0, 1);
}
// Control text is black at 85 per cent, as labels and buttons show it in the light appearance.
Ref<Color> Color::controlTextColor() {
    return colorWithWhite(0, 0.85);
}
Ref<Color> Color::windowBackgroundColor() {
    return colorWithRed(0.925, 0.925, 0.925, 1);
}

void Color::getRedGreenBlueAlpha(double* red, double* green, double* blue, double* alpha) const {
    if (red)
        *red = red_;
    if (green)
        *green = green_;
    if (blue)
        *blue = blue_;
    if (alpha)
        *alpha = alpha_;
}

void Color::set() const {
    auto* context = detail::GraphicsContext::current();
    if (!context)
        return;
    const QColor color = detail::toQColor(*this);
    QPainter& painter = context->painter();
    QPen pen = painter.pen();
    pen.setColor(color);
    painter.setPen(pen);
    painter.setBrush(color);
}

Ref<String> Color::description() const {
    char text[96];
    std::snprintf(text, sizeof text, "sRGB %g %g %g %g", red_, green_, blue_, alpha_);
    return String::fromUtf8(text);
}

bool Color::isEqual(const Object& other) const {
    const auto* color = dynamic_cast<const Color*>(&other);
    return color && color->red_ == red_ && color->green_ == green_ && color->blue_ == blue_ &&
           color->alpha_ == alpha_;
}

std::size_t Color::hash() const {
    const std::hash<double> h;
    return h(red_) ^ (h(green_) << 1) ^ (h(blue_) << 2) ^ (h(alpha_) << 3);
}

} // namespace platform
