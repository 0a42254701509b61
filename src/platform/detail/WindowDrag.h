#pragma once

// Internal to the platform: moving a window with the mouse.

#include "platform/foundation/Geometry.h"

namespace platform {
class Window;
}

namespace platform::detail {

// Moves the window with the mouse until the left button is released, keeping the point that
// was pressed (in the window's content coordinates) under the pointer. The window manager does
// the move when it offers one; otherwise the platform follows the mouse itself, and the mouse
// events of the drag reach no view.
void startWindowDrag(Window& window, Point pressedInWindow);

} // namespace platform::detail
