#pragma once

// The plain forwarding of a window's or a view's event to the dialog callback: the event becomes
// the current event for the call, and the element's window becomes the current output window.

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class Event;
class View;
class Window;
} // namespace platform

void ForwardWindowEvent(const platform::Ref<platform::Window>& window, std::int64_t event,
                        const platform::Ref<platform::Event>& platformEvent);
void ForwardViewEvent(const platform::Ref<platform::View>& view, std::int64_t event,
                      const platform::Ref<platform::Event>& platformEvent);
