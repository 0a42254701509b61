#pragma once

#include "platform/views/Control.h"

namespace platform {

// A pair of arrows that step a number up and down by its increment. The user clicks an arrow
// (held down, it repeats) or presses Up and Down while the stepper has the keyboard focus; each
// step sends the action. At the end of the range the value wraps round to the other end, or,
// when it does not wrap, stays and sends nothing. A new stepper runs from 0 to 59 by 1 at 0 and
// wraps.
class Stepper : public Control {
public:
    explicit Stepper(Rect frame = {});
    ~Stepper() override;

    double minValue() const { return minValue_; }
    void setMinValue(double value);
    double maxValue() const { return maxValue_; }
    void setMaxValue(double value);
    double increment() const { return increment_; }
    void setIncrement(double increment) { increment_ = increment; }
    bool valueWraps() const { return valueWraps_; }
    void setValueWraps(bool wraps);

    // Clamped to the range.
    double doubleValue() const override { return value_; }
    void setDoubleValue(double value) override;
    bool acceptsFirstResponder() const override { return true; }

    // Internal to the platform: the toolkit side of the stepper. Public for the toolkit widget,
    // which steps through it.
    struct Toolkit;
    // One step of the user's, up (a positive count) or down.
    void stepBy(int steps);

private:
    std::unique_ptr<Toolkit> toolkit_;
    double minValue_ = 0;
    double maxValue_ = 59;
    double increment_ = 1;
    double value_ = 0;
    bool valueWraps_ = true;
};

} // namespace platform
