#pragma once

#include "platform/views/gestures/GestureRecognizer.h"

#include <memory>

namespace platform {

// Recognizes the left button held down in place: it begins once the button has been down for
// the minimum duration without the pointer moving further than allowed, changes with the moves
// after that and ends at the release. Released or moved too early, it fails.
class PressGestureRecognizer : public GestureRecognizer {
public:
    explicit PressGestureRecognizer(const Ref<Object>& target = nullptr, Selector action = {});
    ~PressGestureRecognizer() override;

    // In seconds.
    double minimumPressDuration() const { return minimumDuration_; }
    void setMinimumPressDuration(double seconds) { minimumDuration_ = seconds; }
    // In points.
    double allowableMovement() const { return allowableMovement_; }
    void setAllowableMovement(double points) { allowableMovement_ = points; }

    // Internal to the platform: the timer of the press.
    struct Toolkit;

protected:
    void mouseDown(Point at, int clickCount) override;
    void mouseDragged(Point at) override;
    void mouseUp(Point at) override;

private:
    double minimumDuration_ = 0.5;
    double allowableMovement_ = 10;
    Point pressedAt_;
    std::unique_ptr<Toolkit> toolkit_;
};

} // namespace platform
