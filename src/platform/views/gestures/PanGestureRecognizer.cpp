#include "platform/views/gestures/PanGestureRecognizer.h"

#include "platform/views/gestures/GestureDistance.h"

namespace platform {

void PanGestureRecognizer::setTranslation(Point translation) {
    const Point at{pressedAt_.x + translation_.x, pressedAt_.y + translation_.y};
    translation_ = translation;
    pressedAt_ = {at.x - translation.x, at.y - translation.y};
}

void PanGestureRecognizer::mouseDown(Point at, int) {
    pressed_ = true;
    pressedAt_ = at;
    translation_ = {};
}

void PanGestureRecognizer::mouseDragged(Point at) {
    if (!pressed_)
        return;
    translation_ = {at.x - pressedAt_.x, at.y - pressedAt_.y};
    if (state() == GestureRecognizerState::Possible) {
        if (gestureDistance(pressedAt_, at) > kClickSlop)
            setState(GestureRecognizerState::Began);
    } else if (state() < GestureRecognizerState::Ended) {
        setState(GestureRecognizerState::Changed);
    }
}

void PanGestureRecognizer::mouseUp(Point) {
    pressed_ = false;
    if (state() == GestureRecognizerState::Began || state() == GestureRecognizerState::Changed)
        setState(GestureRecognizerState::Ended);
}

} // namespace platform
