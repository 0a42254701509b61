#include "platform/Window.h"

#include "platform/Application.h"
#include "platform/Color.h"
#include "platform/Notification.h"
#include "platform/Screen.h"
#include "platform/String.h"
#include "platform/View.h"
#include "platform/WindowController.h"
#include "platform/WindowDelegate.h"
#include "platform/detail/ScreenGeometry.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"

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
}

Window::~Window() {
    Application::shared()->unregisterWindow(this);
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

Rect Window::frameRectForContentRect(Rect contentRect) const {
    return frameRectForContentRectStyleMask(contentRect, styleMask_);
}

Rect Window::contentRectForFrameRect(Rect frameRect) const {
    return contentRectForFrameRectStyleMask(frameRect, styleMask_);
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
    styleMask_ = styleMask;
    frame_ = frameRectForContentRect(content);
    applyAppearance();
    applyFrameToPeer();
}

void Window::setTitle(Ref<String> title) {
    title_ = title ? std::move(title) : String::create();
    peer_->widget->setWindowTitle(QString::fromStdU16String(title_->utf16()));
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
    if (!view)
        return;
    view->removeFromSuperview();
    view->setFrame({{0, 0}, contentRectForFrameRect(frame_).size});
    QWidget* widget = view->peer().widget;
    widget->setParent(peer_->widget);
    widget->setGeometry(0, 0, peer_->widget->width(), peer_->widget->height());
    widget->show();
    view->setWindowRecursively(this);
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
    asPlatformChange(peer_->widget, [&] {
        peer_->widget->show();
        peer_->widget->raise();
    });
    visible_ = true;
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

bool Window::canBecomeKeyWindow() const {
    return (styleMask_ & (WindowStyleMask::Titled | WindowStyleMask::Resizable)) != 0;
}

bool Window::canBecomeMainWindow() const {
    return canBecomeKeyWindow();
}

void Window::mouseDown(const Ref<Event>& event) {
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
    const QRect geometry = detail::toToolkitScreenRect(contentRectForFrameRect(frame_));
    asPlatformChange(widget, [&] {
        if (styleMask_ & WindowStyleMask::Resizable) {
            widget->setMinimumSize(0, 0);
            widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        } else {
            widget->setFixedSize(geometry.size());
        }
        widget->setGeometry(geometry);
    });
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
    const bool translucent =
        !opaque_ && (!backgroundColor_ || backgroundColor_->alphaComponent() < 1);
    widget->setAttribute(Qt::WA_TranslucentBackground, translucent);
    widget->update();
}

void Window::frameChangedByToolkit() {
    const Rect content = detail::fromToolkitScreenRect(peer_->widget->geometry());
    const Rect proposed = frameRectForContentRect(content);
    if (!differentFrames(proposed, frame_))
        return;
    Rect frame = proposed;
    if (differ(proposed.width(), frame_.width()) || differ(proposed.height(), frame_.height()))
        if (const auto d = delegate())
            frame.size = d->windowWillResizeToSize(
                std::static_pointer_cast<Window>(shared_from_this()), proposed.size);
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

void Panel::setFloatingPanel(bool value) {
    setLevel(value ? WindowLevel::Floating : WindowLevel::Normal);
}

} // namespace platform
