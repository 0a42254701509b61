#pragma once

#include "platform/views/View.h"

namespace platform {

// The triangle before an expandable item in an outline: pointing right while the item is
// collapsed, down while it is expanded. It only draws; clicks go through it to the outline,
// which decides what a click on the triangle does.
class OutlineDisclosureView : public View {
public:
    explicit OutlineDisclosureView(Rect frame = {});

    bool isExpanded() const { return expanded_; }
    void setExpanded(bool expanded);

    bool isFlipped() const override { return true; }
    void drawRect(Rect dirtyRect) override;

private:
    bool expanded_ = false;
};

} // namespace platform
