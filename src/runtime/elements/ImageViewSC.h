#pragma once

// An image view whose events reach the program: the full set.

#include "runtime/elements/ElementSC.h"

#include "platform/views/controls/ImageView.h"

class ImageViewSC final : public ElementSC<platform::ImageView, ElementSet::kFull> {
public:
    using ElementSC::ElementSC;
};
