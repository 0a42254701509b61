#include "platform/windows/Window.h"

#include "platform/app/Application.h"
#include "platform/app/Event.h"
#include "platform/app/Screen.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/ScreenGeometry.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowChrome.h"
#include "platform/detail/WindowDrag.h"
#include "platform/detail/WindowPeer.h"
#include "platform/detail/WindowSystem.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/TitlebarAccessoryViewController.h"
#include "platform/windows/Toolbar.h"
#include "platform/windows/ViewController.h"
#include "platform/windows/WindowController.h"
#include "platform/windows/WindowDelegate.h"

#include <QPainterPath>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

bool differ(double a, double b) {
    return std::abs(a - b) >= 1;
}

bool differentFrames(const Rect& a, const Rect& b) {
    return differ(a.minX(), b.minX()) || differ(a.minY(), b.minY()) ||
           differ(a.width(), b.width()) || differ(a.height(), b.height());
}

// Runs a platform change of the widget without taking its notices for the user's.
template <class F>
void asPlatformChange(WindowWidget* widget, F&& change) {
    const bool outer = widget->platformChange;
    widget->platformChange = true;
    change();
    widget->platformChange = outer;
}

} // namespace

Window::Window(Rect contentRect, std::uint64_t styleMask, BackingStoreType, bool)
    : peer_((Application::shared(), std::make_unique<WindowPeer>(*this))),
      frame_(frameRectForContentRectStyleMask(contentRect, styleMask)), styleMask_(styleMask),
      title_(String::create()), backgroundColor_(Color::windowBackgroundColor()) {
    Application::shared()->registerWindow(this);
    applyAppearance();
    applyFrameToPeer();
    setContentView(std::make_shared<View>(Rect{{0, 0}, contentRect.size}));
    mainMenuDidChange();
}

Window::~Window() {
    Application::shared()->unregisterWindow(this);
    if (toolbar_)
        toolbar_->window_ = nullptr;
    if (chrome_)
        for (const auto& view : chrome_->hostedViews())
            view->setWindowRecursively(nullptr);
    if (contentView_) {
        contentView_->setWindowRecursively(nullptr);
        if (QWidget* widget = contentView_->peer().widget)
            widget->setParent(nullptr);
    }
}

Rect Window::frameRectForContentRectStyleMask(Rect contentRect, std::uint64_t styleMask) {
    if (styleMask & WindowStyleMask::Titled)
        contentRect.size.height += TitleBarHeight;
    return contentRect;
}

Rect Window::contentRectForFrameRectStyleMask(Rect frameRect, std::uint64_t styleMask) {
    if (styleMask & WindowStyleMask::Titled)
        frameRect.size.height -= TitleBarHeight;
    return frameRect;
}

// The strips of accessories and toolbar count as part of the frame, as the title bar does.
Rect Window::frameRectForContentRect(Rect contentRect) const {
    if (chrome_)
        contentRect.size.height += chrome_->height();
    return frameRectForContentRectStyleMask(contentRect, styleMask_);
}

Rect Window::contentRectForFrameRect(Rect frameRect) const {
    Rect content = contentRectForFrameRectStyleMask(frameRect, styleMask_);
    if (chrome_)
        content.size.height -= chrome_->height();
    return content;
}

void Window::setFrameDisplay(Rect frame, bool display) {
    const Rect old = frame_;
    frame_ = frame;
    applyFrameToPeer();
    if (contentView_)
        contentView_->setFrameSize(contentRectForFrameRect(frame_).size);
    if (old.size != frame_.size)
        notifyDelegate(&WindowDelegate::windowDidResize, "NSWindowDidResizeNotification");
    if (old.origin != frame_.origin)
        notifyDelegate(&WindowDelegate::windowDidMove, "NSWindowDidMoveNotification");
    if (display && visible_ && contentView_)
        contentView_->display();
}

void Window::setFrameOrigin(Point origin) {
    setFrameDisplay({origin, frame_.size}, false);
}

void Window::setContentSize(Size size) {
    const Rect content = contentRectForFrameRect(frame_);
    // The top edge stays where it is, as it does when a window grows on screen.
    const Rect grown{content.minX(), content.maxY() - size.height, size.width, size.height};
    setFrameDisplay(frameRectForContentRect(grown), true);
}

void Window::center() {
    const auto screen = Screen::mainScreen();
    if (!screen)
        return;
    const Rect visible = screen->visibleFrame();
    // Centred horizontally and somewhat above the middle: a third of the free height above.
    const double x = std::floor(visible.minX() + (visible.width() - frame_.width()) / 2);
    const double y = std::floor(visible.minY() + (visible.height() - frame_.height()) * 2 / 3);
    setFrameOrigin({x, y});
}

Ref<Screen> Window::screen() const {
    return Screen::mainScreen();
}

Point Window::convertPointToScreen(Point point) const {
    const Rect content = contentRectForFrameRect(frame_);
    return {point.x + content.minX(), point.y + content.minY()};
}

Point Window::convertPointFromScreen(Point point) const {
    const Rect content = contentRectForFrameRect(frame_);
    return {point.x - content.minX(), point.y - content.minY()};
}

void Window::setStyleMask(std::uint64_t styleMask) {
    const Rect content = contentRectForFrameRect(frame_);
    const bool titleChanged = ((styleMask_ ^ styleMask) & WindowStyleMask::Titled) != 0;
    styleMask_ = styleMask;
    frame_ = frameRectForContentRect(content);
    applyAppearance();
    applyFrameToPeer();
    // The menu bar comes and goes with the title bar.
    if (titleChanged && Application::shared()->mainMenu())
        mainMenuDidChange();
}

void Window::setTitle(Ref<String> title) {
    title_ = title ? std::move(title) : String::create();
    peer_->widget->setWindowTitle(QString::fromStdU16String(title_->utf16()));
}

void Window::setAccessibilityLabel(const Ref<String>& label) {
    peer_->widget->setAccessibleName(detail::toQString(label));
}

void Window::setLevel(std::int64_t level) {
    level_ = level;
    applyAppearance();
}

void Window::setOpaque(bool opaque) {
    opaque_ = opaque;
    applyAppearance();
}

void Window::setBackgroundColor(Ref<Color> color) {
    backgroundColor_ = std::move(color);
    applyAppearance();
}

void Window::setContentView(const Ref<View>& view) {
    if (contentView_) {
        contentView_->setWindowRecursively(nullptr);
        if (QWidget* widget = contentView_->peer().widget)
            widget->setParent(nullptr);
    }
    contentView_ = view;
    if (contentViewController_ && contentViewController_->view() != view)
        contentViewController_ = nullptr;
    if (!view)
        return;
    view->removeFromSuperview();
    view->setFrame({{0, 0}, contentRectForFrameRect(frame_).size});
    QWidget* widget = view->peer().widget;
    QWidget* host = chrome_ ? chrome_->contentHost() : peer_->widget.data();
    widget->setParent(host);
    widget->setGeometry(0, 0, host->width(), host->height());
    widget->show();
    view->setWindowRecursively(this);
}

void Window::setContentViewController(const Ref<ViewController>& controller) {
    if (!controller) {
        contentViewController_ = nullptr;
        setContentView(nullptr);
        return;
    }
    controller->loadViewIfNeeded();
    const Ref<View> view = controller->view();
    // A controller that made no view leaves the window as it is.
    if (!view)
        return;
    contentViewController_ = controller;
    setContentSize(view->frame().size);
    setContentView(view);
}

Ref<WindowController> Window::windowController() const {
    return windowController_.lock();
}

void Window::setWindowController(const Ref<WindowController>& controller) {
    windowController_ = controller;
}

bool Window::isKeyWindow() const {
    return Application::shared()->keyWindow().get() == this;
}

bool Window::isMainWindow() const {
    return Application::shared()->mainWindow().get() == this;
}

void Window::orderFront(const Ref<Object>&) {
    const auto self = std::static_pointer_cast<Window>(shared_from_this());
    applyShape();
    asPlatformChange(peer_->widget, [&] {
        peer_->widget->show();
        peer_->widget->raise();
    });
    visible_ = true;
    closed_ = false;
    Application::shared()->windowOrderedIn(self);
}

void Window::orderOut(const Ref<Object>&) {
    const auto self = std::static_pointer_cast<Window>(shared_from_this());
    asPlatformChange(peer_->widget, [&] { peer_->widget->hide(); });
    visible_ = false;
    Application::shared()->windowOrderedOut(self);
}

void Window::makeKeyAndOrderFront(const Ref<Object>& sender) {
    orderFront(sender);
    makeKeyWindow();
}

void Window::makeKeyWindow() {
    if (!canBecomeKeyWindow())
        return;
    peer_->widget->activateWindow();
    Application::shared()->windowBecameKey(std::static_pointer_cast<Window>(shared_from_this()));
}

void Window::close() {
    const auto self = std::static_pointer_cast<Window>(shared_from_this());
    notifyDelegate(&WindowDelegate::windowWillClose, "NSWindowWillCloseNotification");
    closed_ = true;
    orderOut();
    Application::shared()->windowClosed(self);
}

void Window::performClose(const Ref<Object>&) {
    if (!(styleMask_ & WindowStyleMask::Closable))
        return;
    const auto self = std::static_pointer_cast<Window>(shared_from_this());
    if (const auto d = delegate(); d && !d->windowShouldClose(self))
        return;
    close();
}

bool Window::makeFirstResponder(const Ref<View>& view) {
    if (!view) {
        firstResponder_.reset();
        peer_->widget->setFocus();
        return true;
    }
    if (view->window().get() != this || !view->acceptsFirstResponder())
        return false;
    QWidget* widget = view->peer().widget;
    if (widget->focusPolicy() == Qt::NoFocus)
        widget->setFocusPolicy(Qt::StrongFocus);
    widget->setFocus();
    firstResponder_ = view;
    return true;
}

void Window::performWindowDragWithEvent(const Ref<Event>& event) {
    if (event && event->type() == EventType::LeftMouseDown)
        detail::startWindowDrag(*this, event->locationInWindow());
}

bool Window::canBecomeKeyWindow() const {
    return (styleMask_ & (WindowStyleMask::Titled | WindowStyleMask::Resizable)) != 0;
}

bool Window::canBecomeMainWindow() const {
    return canBecomeKeyWindow();
}

void Window::miniaturize(const Ref<Object>&) {
    peer_->widget->setWindowState(peer_->widget->windowState() | Qt::WindowMinimized);
}

void Window::deminiaturize(const Ref<Object>&) {
    peer_->widget->setWindowState(peer_->widget->windowState() & ~Qt::WindowMinimized);
}

bool Window::isMiniaturized() const {
    return peer_->widget->isMinimized();
}

void Window::toggleFullScreen(const Ref<Object>&) {
    peer_->widget->setWindowState(peer_->widget->windowState() ^ Qt::WindowFullScreen);
}

bool Window::isFullScreen() const {
    return peer_->widget->isFullScreen();
}

void Window::registerForDraggedTypes(const Ref<Array>& types) {
    draggedTypes_ = types ? Array::arrayWithArray(*types) : nullptr;
    peer_->widget->setAcceptDrops(draggedTypes_ && draggedTypes_->count() > 0);
}

void Window::unregisterDraggedTypes() {
    registerForDraggedTypes(nullptr);
}

void Window::mouseDown(const Ref<Event>& event) {
    if (movableByWindowBackground_ && event->type() == EventType::LeftMouseDown)
        performWindowDragWithEvent(event);
    else
        event->performToolkitDefault();
}
void Window::mouseUp(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::mouseDragged(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::rightMouseDown(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::rightMouseUp(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::rightMouseDragged(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::scrollWheel(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::mouseMoved(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::mouseEntered(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::mouseExited(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::keyDown(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::keyUp(const Ref<Event>& event) {
    event->performToolkitDefault();
}
void Window::flagsChanged(const Ref<Event>& event) {
    event->performToolkitDefault();
}

void Window::applyFrameToPeer() {
    WindowWidget* widget = peer_->widget;
    // The toolkit's window holds the strips above the content as well.
    const QRect geometry =
        detail::toToolkitScreenRect(contentRectForFrameRectStyleMask(frame_, styleMask_));
    asPlatformChange(widget, [&] {
        if (styleMask_ & WindowStyleMask::Resizable) {
            widget->setMinimumSize(0, 0);
            widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        } else {
            widget->setFixedSize(geometry.size());
        }
        widget->setGeometry(geometry);
    });
    if (chrome_)
        chrome_->layout(geometry.size());
    applyShape();
}

void Window::applyAppearance() {
    WindowWidget* widget = peer_->widget;
    Qt::WindowFlags flags = Qt::Window;
    if (!(styleMask_ & WindowStyleMask::Titled)) {
        flags |= Qt::FramelessWindowHint;
    } else {
        flags |= Qt::WindowTitleHint | Qt::CustomizeWindowHint;
        if (styleMask_ & WindowStyleMask::Closable)
            flags |= Qt::WindowCloseButtonHint;
        if (styleMask_ & WindowStyleMask::Miniaturizable)
            flags |= Qt::WindowMinimizeButtonHint;
        if (styleMask_ & WindowStyleMask::Resizable)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (level_ >= WindowLevel::Floating)
        flags |= Qt::WindowStaysOnTopHint;
    if (flags != widget->windowFlags()) {
        asPlatformChange(widget, [&] {
            widget->setWindowFlags(flags);
            if (visible_)
                widget->show();
        });
    }
    // Without a compositor the transparent parts of a window show black: such a window is drawn
    // opaque instead, and keeps its rounded shape through applyShape.
    const bool translucent = !opaque_ &&
                             (!backgroundColor_ || backgroundColor_->alphaComponent() < 1) &&
                             detail::windowSystemComposites();
    widget->setAttribute(Qt::WA_TranslucentBackground, translucent);
    widget->update();
}

void Window::applyShape() {
    // A borderless window whose content view rounds its corners takes that shape as a whole,
    // so the window system cuts the corners away, composited or not.
    QWidget* widget = peer_->widget;
    const double radius =
        contentView_ && contentView_->wantsLayer() ? contentView_->layerCornerRadius() : 0;
    if ((styleMask_ & WindowStyleMask::Titled) || radius <= 0) {
        if (!widget->mask().isEmpty())
            widget->clearMask();
        return;
    }
    const Size size = contentRectForFrameRect(frame_).size;
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, size.width, size.height), radius, radius);
    widget->setMask(QRegion(path.toFillPolygon().toPolygon()));
}

void Window::frameChangedByToolkit() {
    // The toolkit's window holds the strips above the content as well.
    const Rect shown = detail::fromToolkitScreenRect(peer_->widget->geometry());
    const Rect proposed = frameRectForContentRectStyleMask(shown, styleMask_);
    if (!differentFrames(proposed, frame_))
        return;
    Rect frame = proposed;
    if (differ(proposed.width(), frame_.width()) || differ(proposed.height(), frame_.height()))
        if (const auto d = delegate())
            frame.size = d->windowWillResizeToSize(
                std::static_pointer_cast<Window>(shared_from_this()), proposed.size);
    // The toolkit tells of a move only once it happened.
    if (differ(proposed.minX(), frame_.minX()) || differ(proposed.minY(), frame_.minY()))
        notifyDelegate(&WindowDelegate::windowWillMove, "NSWindowWillMoveNotification");
    setFrameDisplay(frame, true);
}

void Window::activatedByToolkit() {
    if (canBecomeKeyWindow())
        Application::shared()->windowBecameKey(
            std::static_pointer_cast<Window>(shared_from_this()));
}

void Window::notifyDelegate(void (WindowDelegate::*method)(const Ref<Notification>&),
                            const char* name) {
    if (const auto d = delegate())
        ((*d).*method)(std::make_shared<Notification>(String::fromUtf8(name), shared_from_this()));
}

void Window::setToolbar(const Ref<Toolbar>& toolbar) {
    if (toolbar == toolbar_)
        return;
    if (toolbar_)
        toolbar_->window_ = nullptr;
    if (toolbar) {
        // A toolbar shows in one window at a time.
        if (toolbar->window_)
            toolbar->window_->setToolbar(nullptr);
        toolbar->window_ = this;
    }
    toolbar_ = toolbar;
    chromeDidChange();
}

void Window::addTitlebarAccessoryViewController(
    const Ref<TitlebarAccessoryViewController>& controller) {
    insertTitlebarAccessoryViewControllerAtIndex(controller,
                                                 titlebarAccessoryViewControllers_.size());
}

void Window::insertTitlebarAccessoryViewControllerAtIndex(
    const Ref<TitlebarAccessoryViewController>& controller, std::size_t index) {
    if (!controller)
        return;
    auto& list = titlebarAccessoryViewControllers_;
    index = std::min(index, list.size());
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(index), controller);
    chromeDidChange();
}

void Window::removeTitlebarAccessoryViewControllerAtIndex(std::size_t index) {
    auto& list = titlebarAccessoryViewControllers_;
    if (index >= list.size())
        return;
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(index));
    chromeDidChange();
}

void Window::chromeDidChange(bool keepContentPlace) {
    const Rect content = contentRectForFrameRect(frame_);
    if (!chrome_) {
        chrome_ = std::make_unique<detail::WindowChrome>(*peer_->widget);
        if (contentView_)
            contentView_->peer().widget->setParent(chrome_->contentHost());
    }
    for (const auto& view : chrome_->hostedViews())
        view->setWindowRecursively(nullptr);
    chrome_->rebuild(titlebarAccessoryViewControllers_, toolbar_, menuBarMenu());
    for (const auto& view : chrome_->hostedViews())
        view->setWindowRecursively(this);
    // The content keeps its size and the window its top edge, or the content its place; the
    // frame takes the strips.
    Rect frame = frameRectForContentRect(content);
    if (!keepContentPlace)
        frame.origin.y = frame_.maxY() - frame.height();
    // Content that keeps its place and size needs no drawing at once; the toolkit shows it.
    setFrameDisplay(frame, !keepContentPlace);
    // The frame may not have changed, while the strips did.
    chrome_->layout(peer_->widget->size());
    if (contentView_)
        if (QWidget* widget = contentView_->peer().widget) {
            widget->move(0, 0);
            widget->show();
        }
}

Ref<Menu> Window::menuBarMenu() const {
    return (styleMask_ & WindowStyleMask::Titled) ? Application::shared()->mainMenu() : nullptr;
}

void Window::mainMenuDidChange() {
    // The main menu belongs to the application rather than to the window: the content stays
    // where the program put it, and the frame grows up by the bar.
    if (chrome_ || menuBarMenu())
        chromeDidChange(true);
}

void Panel::setFloatingPanel(bool value) {
    setLevel(value ? WindowLevel::Floating : WindowLevel::Normal);
}

} // namespace platform
