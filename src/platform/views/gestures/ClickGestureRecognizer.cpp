#include "platform/views/gestures/ClickGestureRecognizer.h"

#include "platform/views/gestures/GestureDistance.h"

namespace platform {

void ClickGestureRecognizer::mouseDown(Point at, int clickCount) {
    if (state() != GestureRecognizerState::Possible)
        return;
    // A press that is not the next of a multiple click starts counting again.
    if (clickCount == 1)
        clicks_ = 0;
    pressedAt_ = at;
}

void ClickGestureRecognizer::mouseDragged(Point at) {
    if (state() == GestureRecognizerState::Possible && gestureDistance(pressedAt_, at) > kClickSlop)
        setState(GestureRecognizerState::Failed);
}

void ClickGestureRecognizer::mouseUp(Point) {
    if (state() != GestureRecognizerState::Possible)
        return;
    if (++clicks_ >= clicksRequired_) {
        clicks_ = 0;
        setState(GestureRecognizerState::Ended);
    }
}

} // namespace platform
