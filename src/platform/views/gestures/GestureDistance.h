#pragma once

// Internal to the platform: how far the pointer may move before a click or a press is no
// longer one, and before a drag becomes a pan.

#include "platform/foundation/Geometry.h"

#include <cmath>

namespace platform {

inline constexpr double kClickSlop = 4;

inline double gestureDistance(Point from, Point to) {
    return std::hypot(to.x - from.x, to.y - from.y);
}

} // namespace platform
