#pragma once

// A combo box whose events reach the program: the full set, and it takes the keyboard focus
// unless a callback says no.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/ComboBox.h"

class ComboBoxSC final : public ElementSC<platform::ComboBox, ElementSet::kFullAcceptingFocus> {
public:
    using ElementSC::ElementSC;
};
