#pragma once

// A scroll view whose drawing, cursor rectangles and menu reach the program, and whose scrolling
// by the wheel the program can turn off.

#include "runtime/elements/ElementSC.h"

#include "platform/views/ScrollView.h"

class ScrollViewSC final : public ElementSC<platform::ScrollView, ElementSet::kDrawing> {
public:
    using ElementSC::ElementSC;

    bool scrollingDisabled() const { return scrollingDisabled_; }
    void setScrollingDisabled(bool disabled) { scrollingDisabled_ = disabled; }
    // The wheel scrolls only while scrolling is not disabled; a disabled one ignores it.
    void scrollWheel(const platform::Ref<platform::Event>& event) override {
        if (!scrollingDisabled_)
            ElementSC::scrollWheel(event);
    }

private:
    bool scrollingDisabled_ = false;
};
