#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class View;

// Writes the tool tips of the rectangles a view was given with it (View::addToolTipRect), each
// time one is about to show.
class ToolTipOwner {
public:
    virtual ~ToolTipOwner() = default;
    // The text for the rectangle with the tag, with the pointer at the point (in the view's
    // coordinates); none or empty shows no tip.
    virtual Ref<String> stringForToolTip(View& view, std::int64_t tag, Point point,
                                         void* userData) = 0;
};

} // namespace platform
