#pragma once

// Internal to the platform: the frameless window a popover shows its content in. While it is
// shown it watches the application's presses and keys, so that the popover can close on a
// click outside it or on Escape; presses and drags on its background go to the popover, which
// may detach.

#include "platform/windows/Window.h"

#include <memory>

class QObject;

namespace platform {
class Popover;
}

namespace platform::detail {

class PopoverWindow final : public Panel {
public:
    explicit PopoverWindow(Popover& popover);
    ~PopoverWindow() override;

    // The popover shown, none once it is gone.
    Ref<Popover> popover() const { return popover_.lock(); }
    // Watching stops when the window is ordered out.
    void startWatching();
    void stopWatching();

    void mouseDown(const Ref<Event>& event) override;
    void mouseDragged(const Ref<Event>& event) override;

private:
    WeakRef<Popover> popover_;
    std::unique_ptr<QObject> watcher_;
    // Where the pointer went down on the background, screen coordinates.
    Point pressedAt_;
};

} // namespace platform::detail
