#pragma once

#include "platform/views/View.h"

namespace platform {

// The bar at the side of a scroll view that shows which part of the document is in view and
// lets the user move it. A scroll view makes and places its own scrollers.
class Scroller : public View {
public:
    explicit Scroller(Rect frame = {});

    // The width a vertical scroller takes from its scroll view.
    static double scrollerWidth();

    // Where the knob stands: 0 at the top of the document, 1 at its end.
    double doubleValue() const { return value_; }
    void setDoubleValue(double value);
    // The share of the document that is in view, from 0 to 1.
    double knobProportion() const { return knobProportion_; }
    void setKnobProportion(double proportion);

private:
    friend class ScrollView;
    void applyToPeer();

    double value_ = 0;
    double knobProportion_ = 1;
};

} // namespace platform
