#pragma once

// A switch whose cursor rectangles and menu reach the program; the mouse, the keys and the drawing
// stay with the switch.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/Switch.h"

class SwitchSC final : public ElementSC<platform::Switch, ElementSet::kReduced> {
public:
    using ElementSC::ElementSC;
};
