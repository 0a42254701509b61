#pragma once

#include "platform/views/gestures/GestureRecognizer.h"

namespace platform {

// Recognizes two fingers moving apart or together (a pinch on a touchpad, or two fingers on a
// touch screen): it begins with the first change of their distance, changes with the next ones
// and ends when they lift.
class MagnificationGestureRecognizer : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;

    // The change of scale since the fingers touched: 0 for none, 1 for twice the size.
    double magnification() const { return magnification_; }
    void setMagnification(double magnification) { magnification_ = magnification; }

protected:
    void pinched(double magnification, double rotation, bool ended) override;

private:
    double magnification_ = 0;
    // The fingers' own measure, as last reported.
    double followed_ = 0;
};

} // namespace platform
