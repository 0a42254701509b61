#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <cstdint>
#include <vector>

namespace platform {

class View;

// The states of a recognizer, with the framework's values. A discrete gesture (a click) goes
// from Possible straight to Ended; a continuous one (a pan, a pinch) passes through Began and
// Changed.
enum class GestureRecognizerState : std::int64_t {
    Possible = 0,
    Began = 1,
    Changed = 2,
    Ended = 3,
    Cancelled = 4,
    Failed = 5,
};

// Watches the input that reaches a view and recognizes a gesture in it, sending its action to
// its target as it begins, changes, ends or is cancelled. It watches without taking
// the mouse from the view: the view still hears its clicks and drags. Two fingers on a touchpad
// or a touch screen are the recognizer's alone. This base recognizes nothing; its subclasses
// each recognize one gesture.
class GestureRecognizer : public Object {
public:
    // The target is held weakly, as a control holds its target.
    explicit GestureRecognizer(const Ref<Object>& target = nullptr, Selector action = {});
    ~GestureRecognizer() override;

    Ref<Object> target() const { return target_.lock(); }
    void setTarget(const Ref<Object>& target) { target_ = target; }
    Selector action() const { return action_; }
    void setAction(Selector action) { action_ = std::move(action); }
    GestureRecognizerState state() const { return state_; }
    // A disabled recognizer ignores the input and returns to Possible.
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // The view whose input the recognizer watches, or none. The view holds the recognizers it
    // was given for as long as it lives; a recognizer watches one view at a time, so adding it
    // to another removes it from the first.
    Ref<View> view() const { return view_.lock(); }
    void addToView(const Ref<View>& view);
    void removeFromView();
    // The recognizers of the view, in the order they were added.
    static std::vector<Ref<GestureRecognizer>> gestureRecognizersOfView(const View& view);
    // Where the gesture last was (with two fingers, the point between them), in the view's
    // coordinates, or in another view's; none means the window's.
    Point locationInView(const View* view) const;

protected:
    // The input, in the view's coordinates. clickCount is 2 for the second press of a double
    // click.
    virtual void mouseDown(Point at, int clickCount);
    virtual void mouseDragged(Point at);
    virtual void mouseUp(Point at);
    // Two fingers moving: the change of their distance as a fraction of where it began (0.5 for
    // half as far apart again) and the angle they turned, in radians counterclockwise, both since
    // they touched. ended is set once when they lift.
    virtual void pinched(double magnification, double rotation, bool ended);

    // Sends the action for every state but Possible and Failed.
    void setState(GestureRecognizerState state);

private:
    friend struct GestureInput;

    WeakRef<Object> target_;
    Selector action_;
    GestureRecognizerState state_ = GestureRecognizerState::Possible;
    bool enabled_ = true;
    WeakRef<View> view_;
    Point location_;
};

} // namespace platform
