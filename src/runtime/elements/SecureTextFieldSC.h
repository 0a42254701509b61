#pragma once

// A password field whose events reach the program: the full set, and it takes the keyboard focus
// unless a callback says no.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/SecureTextField.h"

class SecureTextFieldSC final
    : public ElementSC<platform::SecureTextField, ElementSet::kFullAcceptingFocus> {
public:
    using ElementSC::ElementSC;
};
