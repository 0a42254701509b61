#include "platform/views/gestures/PressGestureRecognizer.h"

#include "platform/views/gestures/GestureDistance.h"

#include <QTimer>

namespace platform {

struct PressGestureRecognizer::Toolkit {
    QTimer timer;
};

PressGestureRecognizer::PressGestureRecognizer(const Ref<Object>& target, Selector action)
    : GestureRecognizer(target, std::move(action)), toolkit_(std::make_unique<Toolkit>()) {
    toolkit_->timer.setSingleShot(true);
    QObject::connect(&toolkit_->timer, &QTimer::timeout, [this] {
        if (state() == GestureRecognizerState::Possible)
            setState(GestureRecognizerState::Began);
    });
}

PressGestureRecognizer::~PressGestureRecognizer() = default;

void PressGestureRecognizer::mouseDown(Point at, int) {
    pressedAt_ = at;
    toolkit_->timer.start(static_cast<int>(minimumDuration_ * 1000));
}

void PressGestureRecognizer::mouseDragged(Point at) {
    if (state() == GestureRecognizerState::Possible) {
        if (toolkit_->timer.isActive() && gestureDistance(pressedAt_, at) > allowableMovement_) {
            toolkit_->timer.stop();
            setState(GestureRecognizerState::Failed);
        }
    } else if (state() < GestureRecognizerState::Ended) {
        setState(GestureRecognizerState::Changed);
    }
}

void PressGestureRecognizer::mouseUp(Point) {
    if (toolkit_->timer.isActive()) {
        toolkit_->timer.stop();
        setState(GestureRecognizerState::Failed);
    } else if (state() == GestureRecognizerState::Began ||
               state() == GestureRecognizerState::Changed) {
        setState(GestureRecognizerState::Ended);
    }
}

} // namespace platform
