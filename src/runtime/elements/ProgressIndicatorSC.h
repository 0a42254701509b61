#pragma once

// A progress indicator whose events reach the program: the full set.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/ProgressIndicator.h"

class ProgressIndicatorSC final : public ElementSC<platform::ProgressIndicator, ElementSet::kFull> {
public:
    using ElementSC::ElementSC;
};
