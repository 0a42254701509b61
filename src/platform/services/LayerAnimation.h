#pragma once

#include "platform/foundation/Object.h"

#include <memory>
#include <string>

namespace platform {

class LayerAnimation;
class View;

// What a layer animation tells its delegate: that it started, and that it stopped, with whether
// it ran to its end. The base methods do nothing.
class LayerAnimationDelegate {
public:
    virtual ~LayerAnimationDelegate();
    virtual void animationDidStart(const Ref<LayerAnimation>& animation);
    virtual void animationDidStopFinished(const Ref<LayerAnimation>& animation, bool finished);
};

// One property of a view taken from a value to another over a duration, driven by the toolkit's
// animation timer. The key paths are "opacity" (a number: the view's alphaValue) and "position"
// (a point value: the centre of the view's frame in its superview); a value left absent is the
// view's own when the animation is added. The view keeps the value it was last shown with, at
// the end or where the animation was stopped, so nothing jumps back when the animation goes.
// Another key path runs its time and reports as usual but changes nothing.
class LayerAnimation : public Object {
public:
    explicit LayerAnimation(std::string keyPath);
    ~LayerAnimation() override;
    static Ref<LayerAnimation> animationWithKeyPath(std::string keyPath);

    const std::string& keyPath() const { return keyPath_; }
    Ref<Object> fromValue() const { return fromValue_; }
    void setFromValue(Ref<Object> value) { fromValue_ = std::move(value); }
    Ref<Object> toValue() const { return toValue_; }
    void setToValue(Ref<Object> value) { toValue_ = std::move(value); }
    double duration() const { return duration_; }
    void setDuration(double seconds) { duration_ = seconds; }
    // Kept by the animation, so that a program need not hold the delegate of an animation it
    // started and forgot.
    std::shared_ptr<LayerAnimationDelegate> delegate() const { return delegate_; }
    void setDelegate(std::shared_ptr<LayerAnimationDelegate> delegate) {
        delegate_ = std::move(delegate);
    }

    // Starts animating the view; the delegate hears animationDidStart before this returns. A run
    // already going, on this view or another, stops first, unfinished. The animation keeps itself
    // while it runs; it stops, unfinished, when the view goes away.
    void addToView(const Ref<View>& view);
    // Stops a run where it is; the delegate hears that it stopped unfinished.
    void removeFromView();
    bool isRunning() const;
    // The view being animated; none when not running.
    Ref<View> view() const;

private:
    struct Run;
    void finish(bool finished);

    std::string keyPath_;
    Ref<Object> fromValue_;
    Ref<Object> toValue_;
    double duration_ = 0.25;
    std::shared_ptr<LayerAnimationDelegate> delegate_;
    std::unique_ptr<Run> run_;
};

} // namespace platform
