#pragma once

#include "platform/foundation/Geometry.h"

namespace platform {

// Fills the rectangle with the current colour of the drawing in progress; does nothing outside
// a drawRect.
void RectFill(Rect rect);

} // namespace platform
