#pragma once

// A stepper whose drawing, cursor rectangles and menu reach the program; the mouse and the keys
// stay with the stepper.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/Stepper.h"

class StepperSC final : public ElementSC<platform::Stepper, ElementSet::kDrawing> {
public:
    using ElementSC::ElementSC;
};
