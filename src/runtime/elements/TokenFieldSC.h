#pragma once

// A token field whose events reach the program: the full set, and it takes the keyboard focus
// unless a callback says no.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/TokenField.h"

class TokenFieldSC final : public ElementSC<platform::TokenField, ElementSet::kFullAcceptingFocus> {
public:
    using ElementSC::ElementSC;
};
