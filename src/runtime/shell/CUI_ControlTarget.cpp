#include "runtime/shell/CUI_ControlTarget.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/ViewLookup.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/views/Control.h"

#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <array>
#include <cstdlib>

using platform::Ref;

platform::Ref<CUI_ControlTarget> CUI_ControlTarget::shared() {
    static const Ref<CUI_ControlTarget> target = std::make_shared<CUI_ControlTarget>();
    return target;
}

void CUI_ControlTarget::controlAction(const Ref<platform::Object>& sender) {
    ControlAction(sender ? sender->as<platform::View>() : nullptr);
}
void CUI_ControlTarget::controlAction1(const Ref<platform::Object>& sender) {
    controlAction(sender);
}
void CUI_ControlTarget::controlAction2(const Ref<platform::Object>& sender) {
    controlAction(sender);
}
void CUI_ControlTarget::controlAction3(const Ref<platform::Object>& sender) {
    controlAction(sender);
}
void CUI_ControlTarget::controlAction4(const Ref<platform::Object>& sender) {
    controlAction(sender);
}
void CUI_ControlTarget::controlAction5(const Ref<platform::Object>& sender) {
    controlAction(sender);
}
void CUI_ControlTarget::controlAction6(const Ref<platform::Object>& sender) {
    controlAction(sender);
}
void CUI_ControlTarget::controlAction7(const Ref<platform::Object>& sender) {
    controlAction(sender);
}
void CUI_ControlTarget::controlAction8(const Ref<platform::Object>& sender) {
    controlAction(sender);
}
void CUI_ControlTarget::controlAction9(const Ref<platform::Object>& sender) {
    controlAction(sender);
}
void CUI_ControlTarget::controlAction10(const Ref<platform::Object>& sender) {
    controlAction(sender);
}

platform::Selector CUI_ControlTarget::actionSelector(std::int64_t number) {
    using Method = void (CUI_ControlTarget::*)(const Ref<platform::Object>&);
    static const std::array<Method, 11> methods = {
        &CUI_ControlTarget::controlAction,   &CUI_ControlTarget::controlAction1,
        &CUI_ControlTarget::controlAction2,  &CUI_ControlTarget::controlAction3,
        &CUI_ControlTarget::controlAction4,  &CUI_ControlTarget::controlAction5,
        &CUI_ControlTarget::controlAction6,  &CUI_ControlTarget::controlAction7,
        &CUI_ControlTarget::controlAction8,  &CUI_ControlTarget::controlAction9,
        &CUI_ControlTarget::controlAction10,
    };
    if (number < 0 || number > 10)
        return {};
    const std::string name =
        number == 0 ? "controlAction:" : "controlAction" + std::to_string(number) + ":";
    return {name, methods[static_cast<std::size_t>(number)]};
}

namespace {

// The window tag a control's events carry: its attached wndTag, or its window's tag when that
// is less than 1.
std::int64_t controlWindowTag(const platform::View& control) {
    const std::int64_t wndTag = Additions::wndTag(control);
    if (wndTag >= 1)
        return wndTag;
    const auto window = control.window();
    return window ? Additions::tag(*window) : 0;
}

// Exactly one receiver: the control's own callback, else the shared one, else the dialog
// callback.
void deliver(std::int64_t code, const platform::View& control, std::int64_t wndTag,
             void* sharedData, const Ref<platform::Object>& object) {
    if (const auto callback = Additions::cuiControlCallback(control))
        callback(control.tag(), wndTag, Additions::cuiControlUserData(control));
    else if (const auto all = CUI_ControlTarget::shared()->allControlsCallback())
        all(control.tag(), wndTag, sharedData);
    else
        DialogCallbackCall(code, control.tag(), wndTag, object);
}

} // namespace

void ControlAction(const Ref<platform::View>& control) {
    if (!control)
        return;
    const std::int64_t wndTag = controlWindowTag(*control);
    CurrentOutputWindowTagSet(wndTag);
    deliver(kControlActionEvent, *control, wndTag, nullptr, control);
}

void ControlEvent(std::int64_t code, const Ref<platform::View>& control,
                  const Ref<platform::Object>& object) {
    if (!control)
        return;
    CurrentEventSet(platform::Application::shared()->currentEvent());
    CurrentOutputWindowTagSet(Additions::wndTag(*control));
    deliver(code, *control, controlWindowTag(*control), object.get(), object);
}

void SetControlActionNumber(const TagOrRef& control, std::int64_t number) {
    if (number < 1 || number > 10)
        return;
    if (const auto found = ViewWithTagOfClass<platform::Control>(control))
        found->setAction(CUI_ControlTarget::actionSelector(number));
}

void AllControlsCallbackSet(ControlCallback callback) {
    CUI_ControlTarget::shared()->setAllControlsCallback(callback);
}
