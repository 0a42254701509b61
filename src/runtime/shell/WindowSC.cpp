#include "runtime/shell/WindowSC.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Event.h"

using platform::Ref;

bool WindowSC::canBecomeKeyWindow() const {
    DialogEventSetBoolVal(true);
    const std::int64_t tag = Additions::tag(*this);
    CurrentOutputWindowTagSet(tag);
    DialogCallbackCall(WindowEvent::CanBecomeKey, tag, tag, nullptr);
    return DialogEventBoolVal();
}

void WindowSC::handle(std::int64_t code, const Ref<platform::Event>& event, PassOn passOn) {
    DialogEventSetBoolVal(false);
    CurrentEventSet(event);
    const std::int64_t tag = Additions::tag(*this);
    CurrentOutputWindowTagSet(tag);
    DialogCallbackCall(code, tag, tag, event);
    CurrentEventSet(nullptr);
    if (passOn == PassOn::UnlessHandled && !DialogEventBoolVal())
        event->performToolkitDefault();
}

void WindowSC::mouseDown(const Ref<platform::Event>& event) {
    handle(WindowEvent::MouseDown, event, PassOn::UnlessHandled);
}
void WindowSC::mouseUp(const Ref<platform::Event>& event) {
    handle(WindowEvent::MouseUp, event, PassOn::Never);
}
void WindowSC::keyDown(const Ref<platform::Event>& event) {
    handle(WindowEvent::KeyDown, event, PassOn::UnlessHandled);
}
void WindowSC::keyUp(const Ref<platform::Event>& event) {
    handle(WindowEvent::KeyUp, event, PassOn::Never);
}
void WindowSC::flagsChanged(const Ref<platform::Event>& event) {
    handle(WindowEvent::FlagsChanged, event, PassOn::Never);
}
void WindowSC::mouseEntered(const Ref<platform::Event>& event) {
    handle(WindowEvent::MouseEntered, event, PassOn::Never);
}
void WindowSC::mouseExited(const Ref<platform::Event>& event) {
    handle(WindowEvent::MouseExited, event, PassOn::Never);
}

void WindowSC::awakeFromNib() {
    ForwardWindowAwake(*this);
}
