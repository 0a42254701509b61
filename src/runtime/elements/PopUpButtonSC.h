#pragma once

// A pop-up or pull-down button whose events reach the program: the full set.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/PopUpButton.h"

class PopUpButtonSC final : public ElementSC<platform::PopUpButton, ElementSet::kFull> {
public:
    using ElementSC::ElementSC;
};
