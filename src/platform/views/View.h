#pragma once

#include "platform/app/DraggingDestination.h"
#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class Array;
class Event;
class Menu;
class String;
class ToolTipOwner;
class TrackingArea;
class Window;
struct ViewPeer;

// Autoresizing mask bits with the framework's values.
namespace AutoresizingMask {
inline constexpr std::uint64_t NotSizable = 0;
inline constexpr std::uint64_t MinXMargin = 1;
inline constexpr std::uint64_t WidthSizable = 2;
inline constexpr std::uint64_t MaxXMargin = 4;
inline constexpr std::uint64_t MinYMargin = 8;
inline constexpr std::uint64_t HeightSizable = 16;
inline constexpr std::uint64_t MaxYMargin = 32;
} // namespace AutoresizingMask

enum class WindowOrderingMode { Below = -1, Out = 0, Above = 1 };

// A rectangle of a window that draws and receives events. Its frame is in its superview's
// coordinates, where y grows upwards unless the superview is flipped. Each view is shown by a
// toolkit widget of its own (its peer), a child of its superview's peer.
class View : public Object, public DraggingDestination {
public:
    explicit View(Rect frame = {});
    ~View() override;

    Rect frame() const { return frame_; }
    void setFrame(Rect frame);
    void setFrameOrigin(Point origin);
    void setFrameSize(Size size);
    // The view's own coordinate system: its size is the frame's, its origin the visible corner.
    Rect bounds() const { return {boundsOrigin_, frame_.size}; }
    void setBoundsOrigin(Point origin);

    const std::vector<Ref<View>>& subviews() const { return subviews_; }
    void addSubview(const Ref<View>& view);
    void addSubviewPositionedRelativeTo(const Ref<View>& view, WindowOrderingMode place,
                                        const Ref<View>& other);
    void removeFromSuperview();
    Ref<View> superview() const { return superview_.lock(); }
    Ref<Window> window() const;
    bool isDescendantOf(const View& view) const;

    virtual bool isFlipped() const { return false; }
    bool isHidden() const { return hidden_; }
    void setHidden(bool hidden);
    // Observable as "frame" (a rectangle value) and "hidden" (a boolean number).
    Ref<Object> valueForKey(std::string_view key) const override;

    std::uint64_t autoresizingMask() const { return autoresizingMask_; }
    void setAutoresizingMask(std::uint64_t mask) { autoresizingMask_ = mask; }
    bool autoresizesSubviews() const { return autoresizesSubviews_; }
    void setAutoresizesSubviews(bool value) { autoresizesSubviews_ = value; }
    virtual void resizeSubviewsWithOldSize(Size oldSize);
    virtual void resizeWithOldSuperviewSize(Size oldSize);

    Ref<String> identifier() const { return identifier_; }
    void setIdentifier(Ref<String> identifier) { identifier_ = std::move(identifier); }
    virtual std::int64_t tag() const { return -1; }

    // Points between this view's coordinates and another's in the same window; with no view,
    // the window's content coordinates.
    Point convertPointFromView(Point point, const View* view) const;
    Point convertPointToView(Point point, const View* view) const;

    void setNeedsDisplay(bool flag);
    void display();
    // Called each time before the view and its toolkit widget draw, so that the view can bring
    // what the widget shows up to date; the base does nothing.
    virtual void viewWillDraw() {}
    // Draws the view; the base implementation draws nothing. The rectangle is the part to draw.
    virtual void drawRect(Rect dirtyRect);
    // Called by the enclosing clip view each time it scrolls or changes size, with the part of
    // this view that is now in view, so that a view which makes its subviews only where they are
    // seen (a table's cells) can make them; the base does nothing.
    virtual void prepareContentInRect(Rect) {}

    // Layer backing: a layer-backed view can round its corners.
    bool wantsLayer() const { return wantsLayer_; }
    void setWantsLayer(bool value);
    double layerCornerRadius() const { return cornerRadius_; }
    void setLayerCornerRadius(double radius);
    // How opaque the view and its subviews are drawn, from 0 (not seen) to 1; kept in that range.
    double alphaValue() const { return alphaValue_; }
    void setAlphaValue(double alpha);

    virtual bool acceptsFirstResponder() const { return false; }
    // Event methods. The base implementations hand the event back to the toolkit, which passes
    // it on to the superview and in the end to the window, or lets a control act on it.
    virtual void mouseDown(const Ref<Event>& event);
    virtual void mouseUp(const Ref<Event>& event);
    virtual void mouseDragged(const Ref<Event>& event);
    virtual void mouseMoved(const Ref<Event>& event);
    virtual void mouseEntered(const Ref<Event>& event);
    virtual void mouseExited(const Ref<Event>& event);
    virtual void rightMouseDown(const Ref<Event>& event);
    virtual void rightMouseUp(const Ref<Event>& event);
    virtual void rightMouseDragged(const Ref<Event>& event);
    virtual void scrollWheel(const Ref<Event>& event);
    virtual void keyDown(const Ref<Event>& event);
    virtual void keyUp(const Ref<Event>& event);
    virtual void flagsChanged(const Ref<Event>& event);

    // Called when the view's window changes, before and after the move. The window may still
    // be under construction, so it comes as a plain pointer.
    virtual void viewWillMoveToWindow(Window* window);
    virtual void viewDidMoveToWindow();

    // The pasteboard types a drag must offer for the view to be its destination; a drag that
    // offers none passes on to the views below it and to the window.
    void registerForDraggedTypes(const Ref<Array>& types);
    void unregisterDraggedTypes();
    Ref<Array> registeredDraggedTypes() const { return draggedTypes_; }

    // The areas that report the mouse to their owners. The view asks for mouse-moved events
    // while one of them wants them.
    void addTrackingArea(const Ref<TrackingArea>& area);
    void removeTrackingArea(const Ref<TrackingArea>& area);
    const std::vector<Ref<TrackingArea>>& trackingAreas() const { return trackingAreas_; }
    // Called when the view's size changed, so that it can redo its areas; the base does nothing.
    virtual void updateTrackingAreas();
    // Called when the view joins a window and when its size changed; the base does nothing.
    virtual void resetCursorRects();
    // Called when the look of the desktop (its palette or style) changed; the base does nothing.
    virtual void viewDidChangeEffectiveAppearance();

    // The contextual menu of the view, shown where the user asks for it (the right button).
    Ref<Menu> menu() const { return menu_; }
    void setMenu(Ref<Menu> menu) { menu_ = std::move(menu); }
    // The menu to show for the event; the base answers menu(). No menu shows for none.
    virtual Ref<Menu> menuForEvent(const Ref<Event>& event);

    // The name assistive technologies give the view, where its own text does not name it.
    void setAccessibilityLabel(const Ref<String>& label);
    // Tell assistive technologies of a view that takes AccessibleText on that text came into or
    // is about to leave the range, so that a screen reader can read what was printed. Nothing
    // is done while no assistive technology listens.
    void accessibilityPostTextInserted(Range range);
    void accessibilityPostTextRemoved(Range range);
    // The tip the toolkit shows while the pointer rests over the view; none for no tip.
    Ref<String> toolTip() const { return toolTip_; }
    void setToolTip(Ref<String> toolTip) { toolTip_ = std::move(toolTip); }
    // A rectangle of the view (in its coordinates) whose tip the owner writes each time it is
    // about to show; answers the tag that names the rectangle. The view keeps the owner while
    // the rectangle is there.
    std::int64_t addToolTipRect(Rect rect, const std::shared_ptr<ToolTipOwner>& owner,
                                void* userData);
    void removeToolTip(std::int64_t tag);
    void removeAllToolTips() { toolTipRects_.clear(); }
    // The tip for a point of the view: the owner's text for the latest rectangle that holds the
    // point, else toolTip().
    Ref<String> toolTipAtPoint(Point point);

    ViewPeer& peer() const { return *peer_; }

protected:
    // For framework views shown by a particular kind of toolkit widget.
    View(Rect frame, std::unique_ptr<ViewPeer> peer);
    // Called after a subview's frame was set, changed or not; the stand-in for the framework's
    // frame-change notices, with which a clip view follows its document view.
    virtual void subviewFrameDidChange(View& subview);

private:
    friend class Window;
    void attach(const Ref<View>& view, std::ptrdiff_t index);
    void setWindowRecursively(Window* window);
    void updatePeerGeometry();
    void updateSubviewGeometry();
    void updateCornerMask();
    void updateMouseTracking();

    std::unique_ptr<ViewPeer> peer_;
    Rect frame_;
    Point boundsOrigin_;
    std::vector<Ref<View>> subviews_;
    WeakRef<View> superview_;
    // The window clears this for every view it holds when it goes, so it never dangles.
    Window* window_ = nullptr;
    Ref<String> identifier_;
    std::uint64_t autoresizingMask_ = AutoresizingMask::NotSizable;
    bool autoresizesSubviews_ = true;
    bool hidden_ = false;
    bool wantsLayer_ = false;
    double cornerRadius_ = 0;
    double alphaValue_ = 1;
    Ref<Array> draggedTypes_;
    std::vector<Ref<TrackingArea>> trackingAreas_;
    Ref<Menu> menu_;
    Ref<String> toolTip_;
    struct ToolTipRect {
        std::int64_t tag;
        Rect rect;
        std::shared_ptr<ToolTipOwner> owner;
        void* userData;
    };
    std::vector<ToolTipRect> toolTipRects_;
    std::int64_t lastToolTipTag_ = 0;
};

} // namespace platform
