#pragma once

// A slider whose drawing, cursor rectangles and menu reach the program; the mouse and the keys stay
// with the slider.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/Slider.h"

class SliderSC final : public ElementSC<platform::Slider, ElementSet::kDrawing> {
public:
    using ElementSC::ElementSC;
};
