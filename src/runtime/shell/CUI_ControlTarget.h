#pragma once

// The shared target of the controls the runtime wires: every action reports the control to the
// program (ControlAction). The numbered actions do exactly what controlAction does; they give a
// control an action of its own name ("controlAction1:" to "controlAction10:").

#include "runtime/shell/Callbacks.h"
#include "runtime/shell/Tags.h"

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <cstdint>

namespace platform {
class View;
}

class CUI_ControlTarget : public platform::Object {
public:
    // The one target, created on first use.
    static platform::Ref<CUI_ControlTarget> shared();

    void controlAction(const platform::Ref<platform::Object>& sender);
    void controlAction1(const platform::Ref<platform::Object>& sender);
    void controlAction2(const platform::Ref<platform::Object>& sender);
    void controlAction3(const platform::Ref<platform::Object>& sender);
    void controlAction4(const platform::Ref<platform::Object>& sender);
    void controlAction5(const platform::Ref<platform::Object>& sender);
    void controlAction6(const platform::Ref<platform::Object>& sender);
    void controlAction7(const platform::Ref<platform::Object>& sender);
    void controlAction8(const platform::Ref<platform::Object>& sender);
    void controlAction9(const platform::Ref<platform::Object>& sender);
    void controlAction10(const platform::Ref<platform::Object>& sender);

    ControlCallback allControlsCallback() const { return allControlsCallback_; }
    void setAllControlsCallback(ControlCallback callback) { allControlsCallback_ = callback; }

    // The action "controlAction:" for 0, "controlAction1:" to "controlAction10:" for 1 to 10; a
    // null selector for any other number.
    static platform::Selector actionSelector(std::int64_t number);

private:
    ControlCallback allControlsCallback_ = nullptr;
};

// Reports a control's action: the control's window becomes the current output window, and the
// control's own callback, else the shared allControlsCallback, else the dialog callback (event
// 1) hears of it.
void ControlAction(const platform::Ref<platform::View>& control);
// Reports an event of a control other than its action (the text-editing questions and the
// like): the application's current event becomes the current event, the control's wndTag the
// current output window, and the control's own callback (with its user data), else the shared
// allControlsCallback (with the object as its user data), else the dialog callback (the code,
// with the object) hears of it.
void ControlEvent(std::int64_t code, const platform::Ref<platform::View>& control,
                  const platform::Ref<platform::Object>& object);
// Installs the shared callback of all controls; none removes it.
void AllControlsCallbackSet(ControlCallback callback);
// Gives the control with the tag (or the control referred to) the numbered action
// "controlAction1:" to "controlAction10:"; its target stays as it is. A number outside 1 to 10
// does nothing; a tag that names no control posts the lookup's error notice.
void SetControlActionNumber(const TagOrRef& control, std::int64_t number);
