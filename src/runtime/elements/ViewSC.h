#pragma once

// The program's own view: its events reach the program (see ElementSet::kView), its drawing
// can be suspended, and it is flipped while its attached flipFlag is set.

#include "runtime/elements/ElementSC.h"

#include "runtime/shell/Additions.h"

class ViewSC final : public ElementSC<platform::View, ElementSet::kView> {
public:
    using ElementSC::ElementSC;
    bool isFlipped() const override { return Additions::flipFlag(*this); }
};
