#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>

namespace platform {

class Notification;
class PopoverDelegate;
class String;
class View;
class ViewController;
class Window;
namespace detail {
class PopoverWindow;
}

// When a shown popover closes without the application asking, with the framework's values.
enum class PopoverBehavior : std::int64_t {
    // Only the application closes it.
    ApplicationDefined = 0,
    // A click anywhere outside it, or Escape.
    Transient = 1,
    // A click elsewhere in the window it points into, or Escape.
    Semitransient = 2,
};

// The edges of a rectangle, with the framework's values, in the coordinates of the view the
// rectangle belongs to: in a flipped view the minimum y edge is the top one.
enum class RectEdge : std::uint64_t { MinX = 0, MinY = 1, MaxX = 2, MaxY = 3 };

// A window without a frame that shows a view controller's view next to a rectangle of a view.
// The user can drag it away from that rectangle, which detaches it when the delegate agrees:
// its content then moves into the delegate's detachable window, or the popover stays as a
// window of its own.
class Popover : public Object {
public:
    Popover();
    ~Popover() override;

    Ref<ViewController> contentViewController() const { return contentViewController_; }
    void setContentViewController(Ref<ViewController> controller);
    // The size of the content; until set, that of the controller's view.
    Size contentSize() const;
    void setContentSize(Size size) { contentSize_ = size; }
    PopoverBehavior behavior() const { return behavior_; }
    void setBehavior(PopoverBehavior behavior) { behavior_ = behavior; }
    std::shared_ptr<PopoverDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<PopoverDelegate>& delegate) { delegate_ = delegate; }
    Ref<String> identifier() const { return identifier_; }
    void setIdentifier(Ref<String> identifier) { identifier_ = std::move(identifier); }

    bool isShown() const { return shown_; }
    bool isDetached() const { return detached_; }
    // The rectangle the popover points at, in its view's coordinates.
    Rect positioningRect() const { return positioningRect_; }

    // Shows the content beside the rectangle of the view (a window's view) on the preferred
    // edge, or on the opposite edge when the screen has no room there. A shown popover moves to
    // the new rectangle. Nothing happens without a content view or a window for the view.
    void showRelativeToRectOfViewPreferredEdge(Rect rect, const Ref<View>& view, RectEdge edge);
    // Closes the popover when the delegate agrees.
    void performClose(const Ref<Object>& sender = nullptr);
    // Closes the popover at once.
    void close();

    // The popover shown in the window, when the window is a popover's.
    static Ref<Popover> popoverOfWindow(const Window& window);

private:
    friend class detail::PopoverWindow;
    // The window shows the content; the popover decides what its events mean.
    void userClickedOutside(bool inPositioningWindow);
    void userPressedEscape();
    void userPressed();
    // The pointer dragged the popover this far from where it was pressed (screen coordinates).
    void userDragged(Point distance);
    // Detaches with the content's window at this origin (screen coordinates).
    void detach(Point origin);
    void notify(void (PopoverDelegate::*method)(const Ref<Notification>&), const char* name);

    Ref<ViewController> contentViewController_;
    Size contentSize_;
    PopoverBehavior behavior_ = PopoverBehavior::ApplicationDefined;
    std::weak_ptr<PopoverDelegate> delegate_;
    Ref<String> identifier_;
    Rect positioningRect_;
    WeakRef<View> positioningView_;
    Ref<detail::PopoverWindow> window_;
    // Where the window was when the drag began, screen coordinates.
    Point dragOrigin_;
    // Whether the delegate was already asked to detach during this drag.
    bool askedToDetach_ = false;
    bool shown_ = false;
    bool detached_ = false;
};

} // namespace platform
