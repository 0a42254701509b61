#pragma once

#include "platform/views/gestures/GestureRecognizer.h"

namespace platform {

// Recognizes a drag with the left button: it begins once the pointer has moved a few points
// from the press, changes with each move after that and ends at the release.
class PanGestureRecognizer : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;

    // How far the pointer has moved since the press, in the view's coordinates.
    Point translationInView() const { return translation_; }
    // The program may move the starting point, as when it has moved what was dragged.
    void setTranslation(Point translation);

protected:
    void mouseDown(Point at, int clickCount) override;
    void mouseDragged(Point at) override;
    void mouseUp(Point at) override;

private:
    Point pressedAt_;
    Point translation_;
    bool pressed_ = false;
};

} // namespace platform
