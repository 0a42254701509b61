#pragma once

// A stack view whose cursor rectangles and menu reach the program, and whose detached and
// reattached views it hears through its delegate.

#include "runtime/elements/ElementSC.h"

#include "platform/views/StackView.h"

class StackViewSC final : public ElementSC<platform::StackView, ElementSet::kReduced> {
public:
    using ElementSC::ElementSC;
};
