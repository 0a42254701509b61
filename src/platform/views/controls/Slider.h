#pragma once

#include "platform/views/Control.h"

#include <cstdint>

namespace platform {

// A bar with a knob for a number between a minimum and a maximum. It is vertical when its
// frame is taller than wide. The user moves the knob by dragging it, by clicking the bar (a
// page at a time) or with the arrow keys (a twentieth of the range, or one tick mark when the
// knob stops only at tick marks) and Page Up and Page Down. A continuous slider sends its
// action at each move of a drag; otherwise once, when the drag ends. A new slider runs from 0
// to 1 at 0, continuous, without tick marks.
class Slider : public Control {
public:
    explicit Slider(Rect frame = {});
    ~Slider() override;

    double minValue() const { return minValue_; }
    void setMinValue(double value);
    double maxValue() const { return maxValue_; }
    void setMaxValue(double value);
    bool isContinuous() const { return continuous_; }
    void setContinuous(bool continuous) { continuous_ = continuous; }
    std::int64_t numberOfTickMarks() const { return tickMarks_; }
    void setNumberOfTickMarks(std::int64_t count);
    bool allowsTickMarkValuesOnly() const { return tickValuesOnly_; }
    void setAllowsTickMarkValuesOnly(bool only);
    bool isVertical() const;

    // Clamped to the range; with tick mark values only, moved to the nearest tick mark.
    double doubleValue() const override { return value_; }
    void setDoubleValue(double value) override;
    bool acceptsFirstResponder() const override { return true; }

    // Internal to the platform: the toolkit side of the slider.
    struct Toolkit;

private:
    // The toolkit's integer positions: one per tick mark when the knob stops only there, else
    // a fine scale.
    int positions() const;
    double valueForPosition(int position) const;
    int positionForValue(double value) const;
    void showValue();
    void userMoved(int position);

    std::unique_ptr<Toolkit> toolkit_;
    double minValue_ = 0;
    double maxValue_ = 1;
    double value_ = 0;
    std::int64_t tickMarks_ = 0;
    bool continuous_ = true;
    bool tickValuesOnly_ = false;
};

} // namespace platform
