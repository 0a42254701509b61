#include "platform/views/gestures/RotationGestureRecognizer.h"

#include "platform/views/gestures/TwoFingerGesture.h"

#include <numbers>

namespace platform {

double RotationGestureRecognizer::rotationInDegrees() const {
    return rotation_ * 180 / std::numbers::pi;
}

void RotationGestureRecognizer::setRotationInDegrees(double degrees) {
    rotation_ = degrees * std::numbers::pi / 180;
}

// As with the magnification, the fingers' later turns add to a rotation the program set.
void RotationGestureRecognizer::pinched(double, double rotation, bool ended) {
    if (state() == GestureRecognizerState::Possible)
        rotation_ = followed_ = 0;
    const double change = rotation - followed_;
    followed_ = rotation;
    if (const auto next = nextTwoFingerState(state(), change, ended)) {
        rotation_ += change;
        setState(*next);
    }
}

} // namespace platform
