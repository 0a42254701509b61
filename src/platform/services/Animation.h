#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class Animation;

// How an animation's value follows its progress.
enum class AnimationCurve : std::int64_t { EaseInOut = 0, EaseIn = 1, EaseOut = 2, Linear = 3 };
// Blocking runs the animation to its end before startAnimation returns, with the user's input
// held back; the others return at once and animate from the event loop.
enum class AnimationBlockingMode : std::int64_t { Blocking = 0, Nonblocking = 1, Threaded = 2 };

// What an animation tells and asks its delegate. Each method answers what the animation does
// without a delegate.
class AnimationDelegate {
public:
    virtual ~AnimationDelegate();
    virtual bool animationShouldStart(const Ref<Animation>& animation);
    virtual void animationDidStop(const Ref<Animation>& animation);
    virtual void animationDidEnd(const Ref<Animation>& animation);
    // The value the animation shows at the progress: the curve's value by default.
    virtual float animationValueForProgress(const Ref<Animation>& animation, float progress);
    virtual void animationDidReachProgressMark(const Ref<Animation>& animation, float mark);
};

// Progress from 0 to 1 over a duration, driven by the toolkit's animation timer, with the value
// shaped by a curve and marks along the way that the delegate hears when passed.
class Animation : public Object {
public:
    Animation(double duration, AnimationCurve curve);
    ~Animation() override;

    double duration() const { return duration_; }
    void setDuration(double seconds) { duration_ = seconds; }
    AnimationCurve animationCurve() const { return curve_; }
    void setAnimationCurve(AnimationCurve curve) { curve_ = curve; }
    AnimationBlockingMode animationBlockingMode() const { return blockingMode_; }
    void setAnimationBlockingMode(AnimationBlockingMode mode) { blockingMode_ = mode; }
    std::shared_ptr<AnimationDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<AnimationDelegate>& delegate) { delegate_ = delegate; }

    // Marks between 0 and 1; each is reported once per run, in order, when the progress passes it.
    void addProgressMark(float mark);
    void removeProgressMark(float mark);
    const std::vector<float>& progressMarks() const { return marks_; }

    // Asks the delegate first; does nothing while the animation runs or when the delegate says no.
    void startAnimation();
    // Stops a running animation where it is; the delegate hears animationDidStop.
    void stopAnimation();
    bool isAnimating() const;
    float currentProgress() const { return progress_; }
    // The delegate's value for the current progress.
    float currentValue();
    // The curve's value at the progress, whatever the delegate says.
    float curveValueAtProgress(float progress) const;

private:
    struct Timeline;
    void advance(float progress);
    Ref<Animation> selfRef() { return std::static_pointer_cast<Animation>(self()); }

    double duration_;
    AnimationCurve curve_;
    AnimationBlockingMode blockingMode_ = AnimationBlockingMode::Blocking;
    std::weak_ptr<AnimationDelegate> delegate_;
    std::vector<float> marks_;
    float progress_ = 0;
    std::unique_ptr<Timeline> timeline_;
};

} // namespace platform
