#pragma once

// A grid view whose drawing, mouse, key, cursor and menu events reach the program, as a
// button's do.

#include "runtime/elements/ElementSC.h"

#include "platform/views/GridView.h"

class GridViewSC final : public ElementSC<platform::GridView, ElementSet::kFull> {
public:
    using ElementSC::ElementSC;
};
