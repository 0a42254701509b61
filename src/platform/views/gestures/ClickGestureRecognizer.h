#pragma once

#include "platform/views/gestures/GestureRecognizer.h"

namespace platform {

// Recognizes clicks of the left button: a press and a release close to it, as many times in a
// row as required (two for a double click). It ends when the last release comes and fails when
// the pointer wanders off between press and release.
class ClickGestureRecognizer : public GestureRecognizer {
public:
    using GestureRecognizer::GestureRecognizer;

    std::int64_t numberOfClicksRequired() const { return clicksRequired_; }
    void setNumberOfClicksRequired(std::int64_t clicks) { clicksRequired_ = clicks; }

protected:
    void mouseDown(Point at, int clickCount) override;
    void mouseDragged(Point at) override;
    void mouseUp(Point at) override;

private:
    std::int64_t clicksRequired_ = 1;
    Point pressedAt_;
    // Releases of the clicks in a row so far.
    std::int64_t clicks_ = 0;
};

} // namespace platform
