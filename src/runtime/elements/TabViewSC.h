#pragma once

// A tab view whose drawing, cursor rectangles and menu reach the program; the clicks and keys
// that select its tabs stay with the tab view, which reports them through its delegate.

#include "runtime/elements/ElementSC.h"

#include "platform/views/TabView.h"

class TabViewSC final : public ElementSC<platform::TabView, ElementSet::kDrawing> {
public:
    using ElementSC::ElementSC;
};
