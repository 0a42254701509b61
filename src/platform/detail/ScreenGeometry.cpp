#include "platform/detail/ScreenGeometry.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform::detail {

double mainScreenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

QRect roundedRect(double x, double y, double width, double height) {
    const int left = static_cast<int>(std::lround(x));
    const int top = static_cast<int>(std::lround(y));
    const int right = static_cast<int>(std::lround(x + width));
    const int bottom = static_cast<int>(std::lround(y + height));
    return {left, top, right - left, bottom - top};
}

QRect toToolkitScreenRect(const Rect& rect) {
    return roundedRect(rect.minX(), mainScreenHeight() - rect.maxY(), rect.width(), rect.height());
}

Rect fromToolkitScreenRect(const QRect& rect) {
    return {static_cast<double>(rect.x()), mainScreenHeight() - rect.y() - rect.height(),
            static_cast<double>(rect.width()), static_cast<double>(rect.height())};
}

} // namespace platform::detail
