#pragma once

#include "platform/views/gestures/GestureRecognizer.h"

namespace platform {

// Recognizes two fingers turning (a turn on a touchpad, or two fingers on a touch screen): it
// begins with the first turn, changes with the next ones and ends when they lift.
class RotationGestureRecognizer : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;

    // The angle turned since the fingers touched, in radians, counterclockwise.
    double rotation() const { return rotation_; }
    void setRotation(double rotation) { rotation_ = rotation; }
    double rotationInDegrees() const;
    void setRotationInDegrees(double degrees);

protected:
    void pinched(double magnification, double rotation, bool ended) override;

private:
    double rotation_ = 0;
    // The fingers' own measure, as last reported.
    double followed_ = 0;
};

} // namespace platform
