#pragma once

// A text field whose events reach the program: the full set, and it takes the keyboard focus unless
// a callback says no.

#include "runtime/elements/ElementSC.h"

#include "platform/views/TextField.h"

class TextFieldSC final : public ElementSC<platform::TextField, ElementSet::kFullAcceptingFocus> {
public:
    using ElementSC::ElementSC;
};
