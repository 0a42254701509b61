#pragma once

// The shared target of the colour wells' pull-down arrows: the arrow of an expanded well
// reports the well to the program through ControlEvent (ColorWellEvent::Pulldown).

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

class CUI_ColorWellPulldownTarget : public platform::Object {
public:
    // The one target, created on first use.
    static platform::Ref<CUI_ColorWellPulldownTarget> shared();

    void pulldownAction(const platform::Ref<platform::Object>& sender);
    // The action "pulldownAction:".
    static platform::Selector actionSelector();
};
