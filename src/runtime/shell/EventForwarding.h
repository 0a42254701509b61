#pragma once

// The plain forwarding of a window's or a view's event to the dialog callback: the event becomes
// the current event for the call, and the element's window becomes the current output window.
// And the forwarding of a loaded window's waking.

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
// The path of the element delegates that consult only the dialog callback (tab views, token
// fields): the element's attached wndTag, made positive, becomes the current output window tag, and
// the dialog callback hears the event with the element's tag and its wndTag as it is.
void ForwardElementDelegateEvent(const platform::View& view, std::int64_t event,
                                 const platform::Ref<platform::Object>& object);
// A window from an interface file, once the file has been built, is named by the number in its
// identifier: that number's window becomes the current output window, and the dialog callback
// hears the window waking with the number, sign and all, as both its tag and its window tag.
void ForwardWindowAwake(platform::Window& window);
