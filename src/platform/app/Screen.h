#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <vector>

namespace platform {

// A display. Rectangles are in screen coordinates: the origin is the bottom-left corner of the
// main screen and y grows upwards.
class Screen : public Object {
public:
    explicit Screen(int index);

    // The screen with the keyboard focus (the primary screen); none when there is no screen.
    static Ref<Screen> mainScreen();
    static std::vector<Ref<Screen>> screens();

    Rect frame() const;
    // The frame without the areas the desktop reserves for panels and docks.
    Rect visibleFrame() const;

private:
    int index_;
};

} // namespace platform
