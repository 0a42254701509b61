#pragma once

// An insertion indicator whose events reach the program: the full set without the menu, and it
// takes the keyboard focus unless a callback says no.

#include "runtime/elements/ElementSC.h"

#include "platform/views/TextInsertionIndicator.h"

class TextInsertionIndicatorSC final
    : public ElementSC<platform::TextInsertionIndicator,
                       ElementSet::kFullAcceptingFocusWithoutMenu> {
public:
    using ElementSC::ElementSC;
};
