#include "platform/windows/WindowController.h"

#include "platform/windows/Window.h"

namespace platform {

void WindowController::setWindow(Ref<Window> window) {
    window_ = std::move(window);
    if (window_)
        window_->setWindowController(
            std::static_pointer_cast<WindowController>(shared_from_this()));
}

void WindowController::showWindow(const Ref<Object>&) {
    if (window_)
        window_->makeKeyAndOrderFront();
}

void WindowController::close() {
    if (window_)
        window_->close();
}

} // namespace platform
