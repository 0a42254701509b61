#pragma once

#include "platform/views/Control.h"

#include <cstdint>

namespace platform {

// The looks of a level indicator, with the framework's values.
enum class LevelIndicatorStyle : std::int64_t {
    Relevancy = 0,          // a band of thin lines, as far as the value reaches
    ContinuousCapacity = 1, // a bar filled to the value
    DiscreteCapacity = 2,   // a row of cells, one per unit of the range, filled to the value
    Rating = 3,             // a row of stars, one per unit of the maximum
};

// A level shown between a minimum and a maximum. The capacity styles are green below the
// warning value, yellow from it and red from the critical value; when the critical value is
// below the warning value, low values are the bad ones. Equal warning and critical values give
// plain green. An editable indicator takes a click or a drag (the value under the pointer,
// rounded to a whole unit except in the continuous style) and the arrow keys (one unit), and
// sends its action for each change. A new indicator runs from 0 to 5 at 0, is not editable,
// and is a continuous capacity bar.
class LevelIndicator : public Control {
public:
    explicit LevelIndicator(Rect frame = {});
    ~LevelIndicator() override;

    LevelIndicatorStyle style() const { return style_; }
    void setStyle(LevelIndicatorStyle style);
    double minValue() const { return minValue_; }
    void setMinValue(double value);
    double maxValue() const { return maxValue_; }
    void setMaxValue(double value);
    double warningValue() const { return warningValue_; }
    void setWarningValue(double value);
    double criticalValue() const { return criticalValue_; }
    void setCriticalValue(double value);
    bool isEditable() const { return editable_; }
    void setEditable(bool editable);

    // Clamped to the range.
    double doubleValue() const override { return value_; }
    void setDoubleValue(double value) override;
    bool acceptsFirstResponder() const override { return editable_; }

    // Internal to the platform: the toolkit side of the indicator, which draws it and hands the
    // user's changes to it.
    struct Toolkit;
    // The user set the value: stored when it differs, and the action sent.
    void userSet(double value);
    // The value under a point at this fraction of the width.
    double valueAtFraction(double fraction) const;

private:
    std::unique_ptr<Toolkit> toolkit_;
    LevelIndicatorStyle style_ = LevelIndicatorStyle::ContinuousCapacity;
    double minValue_ = 0;
    double maxValue_ = 5;
    double warningValue_ = 0;
    double criticalValue_ = 0;
    double value_ = 0;
    bool editable_ = false;
};

} // namespace platform
