#pragma once

// A date picker whose events reach the program: the full set, and it takes the keyboard focus
// unless a callback says no.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/DatePicker.h"

class DatePickerSC final : public ElementSC<platform::DatePicker, ElementSet::kFullAcceptingFocus> {
public:
    using ElementSC::ElementSC;
};
