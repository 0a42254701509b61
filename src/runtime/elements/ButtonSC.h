#pragma once

// A push button, check box or radio button whose events reach the program: the full set.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/Button.h"

class ButtonSC final : public ElementSC<platform::Button, ElementSet::kFull> {
public:
    using ElementSC::ElementSC;
};
