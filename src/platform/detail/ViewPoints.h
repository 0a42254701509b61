#pragma once

// Internal to the platform: where a position in a view's widget lies in the view.

#include "platform/foundation/Geometry.h"

#include <QPointF>

namespace platform {
class View;
}

namespace platform::detail {

// The point of the view at a position in its widget, in the view's coordinates (flipped or
// not, and past the part of a large view its widget does not show).
Point viewPointAt(const View& view, QPointF position);

} // namespace platform::detail
