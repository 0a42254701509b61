#pragma once

// A level indicator whose events reach the program: the full set.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/LevelIndicator.h"

class LevelIndicatorSC final : public ElementSC<platform::LevelIndicator, ElementSet::kFull> {
public:
    using ElementSC::ElementSC;
};
