#pragma once

// A path control whose cursor rectangles and menu reach the program; the clicks on its
// components and the drops of files stay with the path control, which reports them through its
// action and its delegate.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/PathControl.h"

class PathControlSC final : public ElementSC<platform::PathControl, ElementSet::kReduced> {
public:
    using ElementSC::ElementSC;
};
