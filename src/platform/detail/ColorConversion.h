#pragma once

// Internal to the platform: a colour as the toolkit takes it.

#include "platform/drawing/Color.h"

#include <QColor>

namespace platform::detail {

inline QColor toQColor(const Color& color) {
    return QColor::fromRgbF(
        static_cast<float>(color.redComponent()), static_cast<float>(color.greenComponent()),
        static_cast<float>(color.blueComponent()), static_cast<float>(color.alphaComponent()));
}

inline Ref<Color> fromQColor(const QColor& color) {
    return Color::colorWithRed(color.redF(), color.greenF(), color.blueF(), color.alphaF());
}

} // namespace platform::detail
