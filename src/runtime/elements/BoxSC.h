#pragma once

// A box whose events reach the program: the full set.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/Box.h"

class BoxSC final : public ElementSC<platform::Box, ElementSet::kFull> {
public:
    using ElementSC::ElementSC;
};
