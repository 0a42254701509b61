#pragma once

#include "platform/views/View.h"

#include <cstdint>

namespace platform {

// The looks of a progress indicator, with the framework's values.
enum class ProgressIndicatorStyle : std::int64_t { Bar = 0, Spinning = 1 };

// Shows that work goes on. A determinate bar is filled to its value between a minimum and a
// maximum; an indeterminate one, and the spinning style, show only that the work goes on, and
// move while animated. A spinning indicator that is not animated shows nothing unless it is
// displayed when stopped. The user does nothing to it. A new one is an indeterminate bar from 0
// to 100 at 0.
class ProgressIndicator : public View {
public:
    explicit ProgressIndicator(Rect frame = {},
                               ProgressIndicatorStyle style = ProgressIndicatorStyle::Bar);
    ~ProgressIndicator() override;

    ProgressIndicatorStyle style() const { return style_; }
    bool isIndeterminate() const { return indeterminate_; }
    void setIndeterminate(bool indeterminate);
    double minValue() const { return minValue_; }
    void setMinValue(double value);
    double maxValue() const { return maxValue_; }
    void setMaxValue(double value);
    // Clamped to the range.
    double doubleValue() const { return value_; }
    void setDoubleValue(double value);
    void incrementBy(double delta) { setDoubleValue(value_ + delta); }
    bool isDisplayedWhenStopped() const { return displayedWhenStopped_; }
    void setDisplayedWhenStopped(bool displayed);

    bool isAnimating() const { return animating_; }
    void startAnimation(const Ref<Object>& sender = nullptr);
    void stopAnimation(const Ref<Object>& sender = nullptr);

    // The toolkit draws the indicator after drawRect.
    void drawRect(Rect dirtyRect) override;

    // Internal to the platform: the toolkit side of the indicator.
    struct Toolkit;

private:
    void show();

    std::unique_ptr<Toolkit> toolkit_;
    ProgressIndicatorStyle style_;
    double minValue_ = 0;
    double maxValue_ = 100;
    double value_ = 0;
    bool indeterminate_ = true;
    bool animating_ = false;
    bool displayedWhenStopped_ = true;
};

} // namespace platform
