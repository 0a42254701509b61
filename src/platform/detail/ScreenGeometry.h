#pragma once

// Internal to the platform: the one place where our screen coordinates (origin at the bottom
// left of the main screen, y up) meet the toolkit's (origin at the top left, y down).

#include "platform/foundation/Geometry.h"

#include <QRect>

namespace platform::detail {

// The height of the main screen, against which y is mirrored; 0 when there is no screen.
double mainScreenHeight();

QRect toToolkitScreenRect(const Rect& rect);
Rect fromToolkitScreenRect(const QRect& rect);

// Rounds a rectangle outwards to whole pixels by its edges, so adjacent rectangles stay adjacent.
QRect roundedRect(double x, double y, double width, double height);

} // namespace platform::detail
