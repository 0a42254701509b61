#pragma once

// A combo button whose events reach the program: the full set.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/ComboButton.h"

class ComboButtonSC final : public ElementSC<platform::ComboButton, ElementSet::kFull> {
public:
    using ElementSC::ElementSC;
};
