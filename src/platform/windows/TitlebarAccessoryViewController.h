#pragma once

#include "platform/views/LayoutAttribute.h"
#include "platform/windows/ViewController.h"

namespace platform {

// A view that a window shows with its title bar. A title bar of this desktop belongs to the
// window manager and cannot hold widgets, so the window shows its accessories in strips at the
// top of the window, above the content: accessories laid out Left or Leading, then Right or
// Trailing, share a first strip, packed from the left and from the right edge; then comes the
// toolbar; then each Bottom or Top accessory takes a strip of its own across the whole width.
// The strips add to the window's frame, as the title bar does; the content keeps its size.
// The view is read when the controller is added to a window, so it should be set before.
class TitlebarAccessoryViewController : public ViewController {
public:
    TitlebarAccessoryViewController();

    LayoutAttribute layoutAttribute() const { return layoutAttribute_; }
    void setLayoutAttribute(LayoutAttribute attribute) { layoutAttribute_ = attribute; }

private:
    LayoutAttribute layoutAttribute_ = LayoutAttribute::Bottom;
};

} // namespace platform
