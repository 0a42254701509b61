#include "platform/views/gestures/MagnificationGestureRecognizer.h"

#include "platform/views/gestures/TwoFingerGesture.h"

namespace platform {

// The program may set the magnification while the gesture goes on; the fingers' later changes
// add to what it set.
void MagnificationGestureRecognizer::pinched(double magnification, double, bool ended) {
    if (state() == GestureRecognizerState::Possible)
        magnification_ = followed_ = 0;
    const double change = magnification - followed_;
    followed_ = magnification;
    if (const auto next = nextTwoFingerState(state(), change, ended)) {
        magnification_ += change;
        setState(*next);
    }
}

} // namespace platform
