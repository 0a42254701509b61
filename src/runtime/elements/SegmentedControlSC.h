#pragma once

// A segmented control whose drawing, cursor rectangles and menu reach the program; the mouse and
// the keys stay with its segments.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/SegmentedControl.h"

class SegmentedControlSC final
    : public ElementSC<platform::SegmentedControl, ElementSet::kDrawing> {
public:
    using ElementSC::ElementSC;
};
