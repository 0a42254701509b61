#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class Array;
class Color;
class Event;
class Menu;
class Screen;
class String;
class TitlebarAccessoryViewController;
class ViewController;
class Toolbar;
class View;
class WindowController;
class Notification;
class WindowDelegate;
class WindowWidget;
struct WindowPeer;
namespace detail {
class WindowChrome;
}

// Style mask bits with the framework's values.
namespace WindowStyleMask {
inline constexpr std::uint64_t Borderless = 0;
inline constexpr std::uint64_t Titled = 1;
inline constexpr std::uint64_t Closable = 2;
inline constexpr std::uint64_t Miniaturizable = 4;
inline constexpr std::uint64_t Resizable = 8;
} // namespace WindowStyleMask

// Window levels with the framework's values; higher levels stay in front of lower ones.
namespace WindowLevel {
inline constexpr std::int64_t Normal = 0;
inline constexpr std::int64_t Floating = 3;
inline constexpr std::int64_t ModalPanel = 8;
} // namespace WindowLevel

enum class BackingStoreType { Retained = 0, Nonretained = 1, Buffered = 2 };

// A top-level window. Its frame is in screen coordinates (origin at the bottom left of the main
// screen, y up) and includes the title bar; the content rectangle is the part below it, which
// the content view fills. Each window is shown by a toolkit top-level widget (its peer).
class Window : public Object {
public:
    // The height the title bar of a titled window adds above its content.
    static constexpr double TitleBarHeight = 28;

    Window(Rect contentRect, std::uint64_t styleMask,
           BackingStoreType backing = BackingStoreType::Buffered, bool defer = false);
    ~Window() override;

    static Rect frameRectForContentRectStyleMask(Rect contentRect, std::uint64_t styleMask);
    static Rect contentRectForFrameRectStyleMask(Rect frameRect, std::uint64_t styleMask);
    Rect frameRectForContentRect(Rect contentRect) const;
    Rect contentRectForFrameRect(Rect frameRect) const;

    Rect frame() const { return frame_; }
    void setFrameDisplay(Rect frame, bool display);
    void setFrameOrigin(Point origin);
    void setContentSize(Size size);
    void center();
    Ref<Screen> screen() const;
    Point convertPointToScreen(Point point) const;
    Point convertPointFromScreen(Point point) const;

    std::uint64_t styleMask() const { return styleMask_; }
    void setStyleMask(std::uint64_t styleMask);
    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title);
    // The name assistive technologies give the window, for a window without a title.
    void setAccessibilityLabel(const Ref<String>& label);
    std::int64_t level() const { return level_; }
    void setLevel(std::int64_t level);
    bool isOpaque() const { return opaque_; }
    void setOpaque(bool opaque);
    bool hasShadow() const { return hasShadow_; }
    void setHasShadow(bool value) { hasShadow_ = value; }
    Ref<Color> backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(Ref<Color> color);
    bool isReleasedWhenClosed() const { return releasedWhenClosed_; }
    void setReleasedWhenClosed(bool value) { releasedWhenClosed_ = value; }
    Ref<String> identifier() const { return identifier_; }
    void setIdentifier(Ref<String> identifier) { identifier_ = std::move(identifier); }

    Ref<View> contentView() const { return contentView_; }
    // A view other than the content view controller's ends the window's hold on that controller.
    void setContentView(const Ref<View>& view);
    // The controller whose view is the content view. Setting one loads its view when needed and
    // makes it the content view, the content taking the view's size. A controller that makes no
    // view is not taken.
    Ref<ViewController> contentViewController() const { return contentViewController_; }
    void setContentViewController(const Ref<ViewController>& controller);
    Ref<WindowController> windowController() const;
    void setWindowController(const Ref<WindowController>& controller);
    std::shared_ptr<WindowDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<WindowDelegate>& delegate) { delegate_ = delegate; }

    bool isVisible() const { return visible_; }
    bool isKeyWindow() const;
    bool isMainWindow() const;
    void orderFront(const Ref<Object>& sender = nullptr);
    void orderOut(const Ref<Object>& sender = nullptr);
    void makeKeyAndOrderFront(const Ref<Object>& sender = nullptr);
    void makeKeyWindow();
    // Closes the window at once: tells the delegate, orders it out and lets the application
    // drop its hold on it. A closed window is no longer among the application's windows, even
    // while something still holds it, until it is ordered front again.
    void close();
    // As the close button does: asks windowShouldClose first and closes only on yes.
    void performClose(const Ref<Object>& sender = nullptr);

    // The toolbar shown between the title bar and the content, or none. Setting one keeps the
    // content's size and the window's top edge: the frame grows down by the toolbar's strip.
    Ref<Toolbar> toolbar() const { return toolbar_; }
    void setToolbar(const Ref<Toolbar>& toolbar);
    // The accessories shown with the title bar, in the order added; see
    // TitlebarAccessoryViewController for where they show. Adding and removing keep the
    // content's size and the window's top edge, as setToolbar does.
    const std::vector<Ref<TitlebarAccessoryViewController>>&
    titlebarAccessoryViewControllers() const {
        return titlebarAccessoryViewControllers_;
    }
    void addTitlebarAccessoryViewController(const Ref<TitlebarAccessoryViewController>& controller);
    void insertTitlebarAccessoryViewControllerAtIndex(
        const Ref<TitlebarAccessoryViewController>& controller, std::size_t index);
    // Nothing happens for an index past the end.
    void removeTitlebarAccessoryViewControllerAtIndex(std::size_t index);

    Ref<View> firstResponder() const { return firstResponder_.lock(); }
    bool makeFirstResponder(const Ref<View>& view);

    // Moves the window with the mouse from this left mouse-down until the button goes up, the
    // pressed point staying under the pointer. Other events do nothing.
    void performWindowDragWithEvent(const Ref<Event>& event);
    // When set, a left mouse drag that starts on a part of the window no view handles moves the
    // window (the base mouseDown starts the drag). Off at first.
    bool isMovableByWindowBackground() const { return movableByWindowBackground_; }
    void setMovableByWindowBackground(bool value) { movableByWindowBackground_ = value; }

    virtual bool canBecomeKeyWindow() const;
    virtual bool canBecomeMainWindow() const;

    // Minimizing and full screen, as the window manager's buttons do; the delegate hears of
    // each change whoever made it.
    void miniaturize(const Ref<Object>& sender = nullptr);
    void deminiaturize(const Ref<Object>& sender = nullptr);
    bool isMiniaturized() const;
    void toggleFullScreen(const Ref<Object>& sender = nullptr);
    bool isFullScreen() const;

    // The pasteboard types a drag must offer for the window's delegate, when it is a dragging
    // destination, to receive a drag that no view of the window took.
    void registerForDraggedTypes(const Ref<Array>& types);
    void unregisterDraggedTypes();
    Ref<Array> registeredDraggedTypes() const { return draggedTypes_; }

    // Event methods, called for events no view handled. The base implementations do nothing.
    virtual void mouseDown(const Ref<Event>& event);
    virtual void mouseUp(const Ref<Event>& event);
    virtual void mouseDragged(const Ref<Event>& event);
    virtual void rightMouseDown(const Ref<Event>& event);
    virtual void rightMouseUp(const Ref<Event>& event);
    virtual void rightMouseDragged(const Ref<Event>& event);
    virtual void scrollWheel(const Ref<Event>& event);
    virtual void mouseMoved(const Ref<Event>& event);
    virtual void mouseEntered(const Ref<Event>& event);
    virtual void mouseExited(const Ref<Event>& event);
    virtual void keyDown(const Ref<Event>& event);
    virtual void keyUp(const Ref<Event>& event);
    virtual void flagsChanged(const Ref<Event>& event);

    // Sends the delegate a notification about this window, when it has a delegate.
    void notifyDelegate(void (WindowDelegate::*method)(const Ref<Notification>&), const char* name);

    WindowPeer& peer() const { return *peer_; }

private:
    friend class WindowWidget;
    friend class Toolbar;
    friend class Application;
    // Shows the strips as they now are. The content keeps its size, and its place when asked;
    // otherwise the window keeps its top edge.
    void chromeDidChange(bool keepContentPlace = false);
    // The menu a titled window shows in a menu bar above its content: the application's main
    // menu, or none.
    Ref<Menu> menuBarMenu() const;
    // Shows the main menu's bar as the main menu and the window's style now ask.
    void mainMenuDidChange();
    void applyFrameToPeer();
    void applyAppearance();
    void applyShape();
    void frameChangedByToolkit();
    void activatedByToolkit();

    std::unique_ptr<WindowPeer> peer_;
    Rect frame_;
    std::uint64_t styleMask_;
    Ref<String> title_;
    std::int64_t level_ = WindowLevel::Normal;
    bool opaque_ = true;
    bool hasShadow_ = true;
    bool releasedWhenClosed_ = true;
    bool visible_ = false;
    bool closed_ = false;
    bool movableByWindowBackground_ = false;
    Ref<Color> backgroundColor_;
    Ref<Array> draggedTypes_;
    Ref<String> identifier_;
    Ref<View> contentView_;
    Ref<ViewController> contentViewController_;
    WeakRef<WindowController> windowController_;
    std::weak_ptr<WindowDelegate> delegate_;
    WeakRef<View> firstResponder_;
    Ref<Toolbar> toolbar_;
    std::vector<Ref<TitlebarAccessoryViewController>> titlebarAccessoryViewControllers_;
    // The strips above the content; made with the first strip. Declared after
    // the peer, so that it goes before the peer's widget does.
    std::unique_ptr<detail::WindowChrome> chrome_;
};

// A window for auxiliary content: it can become key but not main.
class Panel : public Window {
public:
    using Window::Window;
    bool canBecomeMainWindow() const override { return false; }
    bool isFloatingPanel() const { return level() == WindowLevel::Floating; }
    void setFloatingPanel(bool value);
};

} // namespace platform
