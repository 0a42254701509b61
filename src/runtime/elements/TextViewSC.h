#pragma once

// A text view whose events reach the program: the full set, it takes the keyboard focus unless a
// callback says no, and it takes dropped files as ViewSC does.

#include "runtime/elements/ElementSC.h"

#include "platform/views/TextView.h"

class TextViewSC final : public ElementSC<platform::TextView, ElementSet::kTextView> {
public:
    using ElementSC::ElementSC;
};
