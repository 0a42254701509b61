#pragma once

// A colour well whose events reach the program: the full set, except that whether it takes the
// keyboard focus is its own answer.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/ColorWell.h"

class ColorWellSC final
    : public ElementSC<platform::ColorWell, ElementSet::kFullWithoutFocusQuestion> {
public:
    using ElementSC::ElementSC;
};
