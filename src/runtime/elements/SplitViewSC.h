#pragma once

// A split view whose cursor rectangles and menu reach the program, and which asks the program
// about its dividers: their colour (prepared clear), their thickness (prepared by the divider
// style) and whether the program drew one itself (prepared no, the split view drawing it then).

#include "runtime/elements/ElementSC.h"

#include "platform/views/SplitView.h"

class SplitViewSC final : public ElementSC<platform::SplitView, ElementSet::kReduced> {
public:
    using ElementSC::ElementSC;

    platform::Ref<platform::Color> dividerColor() const override;
    double dividerThickness() const override;
    void drawDividerInRect(platform::Rect rect) override;
};
