#pragma once

// A visual effect view whose events reach the program: the full set, its drawing suspended
// while its attached suspendDrawRect is set, changes of the desktop's look reported, and it is
// flipped while its attached flipFlag is set.

#include "runtime/elements/ElementSC.h"

#include "runtime/shell/Additions.h"

#include "platform/views/VisualEffectView.h"

class VisualEffectViewSC final
    : public ElementSC<platform::VisualEffectView, ElementSet::kVisualEffect> {
public:
    using ElementSC::ElementSC;
    bool isFlipped() const override { return Additions::flipFlag(*this); }
};
