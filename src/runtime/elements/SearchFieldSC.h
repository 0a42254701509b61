#pragma once

// A search field whose events reach the program: the full set, and it takes the keyboard focus
// unless a callback says no.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/SearchField.h"

class SearchFieldSC final
    : public ElementSC<platform::SearchField, ElementSet::kFullAcceptingFocus> {
public:
    using ElementSC::ElementSC;
};
