#pragma once

// An outline view that reports its cursor-rectangle resets to the program. Its questions about
// the tree go to its own CUI_OutlineViewDelegate.

#include "runtime/elements/ElementSC.h"

#include "platform/views/outlines/OutlineView.h"

class OutlineViewSC final : public ElementSC<platform::OutlineView, ElementSet::kOutline> {
public:
    using ElementSC::ElementSC;
};
