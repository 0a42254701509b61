#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Window;

// Manages one window; the window refers back to it weakly.
class WindowController : public Object {
public:
    Ref<Window> window() const { return window_; }
    // Takes the window and becomes its controller.
    void setWindow(Ref<Window> window);
    void showWindow(const Ref<Object>& sender = nullptr);
    void close();

private:
    Ref<Window> window_;
};

} // namespace platform
