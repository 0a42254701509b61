#include "runtime/shell/EventForwarding.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/ViewTag.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Event.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <cstdlib>

void ForwardWindowEvent(const platform::Ref<platform::Window>& window, std::int64_t event,
                        const platform::Ref<platform::Event>& platformEvent) {
    if (!window)
        return;
    CurrentEventSet(platformEvent);
    const std::int64_t tag = std::llabs(Additions::tag(*window));
    CurrentOutputWindowTagSet(tag);
    DialogCallbackCall(event, tag, tag, platformEvent);
    CurrentEventSet(nullptr);
}

void ForwardViewEvent(const platform::Ref<platform::View>& view, std::int64_t event,
                      const platform::Ref<platform::Event>& platformEvent) {
    if (!view)
        return;
    CurrentEventSet(platformEvent);
    const std::int64_t wndTag = ViewWindowTag(*view);
    CurrentOutputWindowTagSet(wndTag);
    DialogCallbackCall(event, ViewTag(*view), wndTag, platformEvent);
    CurrentEventSet(nullptr);
}

void ForwardElementDelegateEvent(const platform::View& view, std::int64_t event,
                                 const platform::Ref<platform::Object>& object) {
    const std::int64_t wndTag = Additions::wndTag(view);
    CurrentOutputWindowTagSet(std::llabs(wndTag));
    DialogCallbackCall(event, view.tag(), wndTag, object);
}

void ForwardWindowAwake(platform::Window& window) {
    const std::int64_t tag = IntegerValue(window.identifier());
    CurrentOutputWindowTagSet(tag);
    DialogCallbackCall(WindowEvent::AwakeFromNib, tag, tag, window.self());
}
