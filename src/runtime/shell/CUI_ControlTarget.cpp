#include "runtime/shell/CUI_ControlTarget.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

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

void ControlAction(const Ref<platform::View>& control) {
    if (!control)
        return;
    std::int64_t wndTag = Additions::wndTag(*control);
    if (wndTag < 1) {
        const auto window = control->window();
        wndTag = window ? Additions::tag(*window) : 0;
    }
    CurrentOutputWindowTagSet(wndTag);
    if (const auto callback = Additions::cuiControlCallback(*control))
        callback(control->tag(), wndTag, Additions::cuiControlUserData(*control));
    else if (const auto all = CUI_ControlTarget::shared()->allControlsCallback())
        all(control->tag(), wndTag, nullptr);
    else
        DialogCallbackCall(kControlActionEvent, control->tag(), wndTag, control);
}

void AllControlsCallbackSet(ControlCallback callback) {
    CUI_ControlTarget::shared()->setAllControlsCallback(callback);
}
