#include "platform/detail/WindowPeer.h"

#include "platform/drawing/Color.h"
#include "platform/windows/WindowDelegate.h"

#include <QCloseEvent>
#include <QPainter>
#include <QWindow>

namespace platform {

namespace {

// The toolkit tells of minimizing and full screen only once they happened, so the delegate
// hears "will" just before "did".
void tellStateChange(Window& window, Qt::WindowStates before, Qt::WindowStates after) {
    const auto changed = [&](Qt::WindowState state) {
        return (before & state) != (after & state) ? ((after & state) ? 1 : -1) : 0;
    };
    if (const int minimized = changed(Qt::WindowMinimized); minimized > 0) {
        window.notifyDelegate(&WindowDelegate::windowWillMiniaturize,
                              "NSWindowWillMiniaturizeNotification");
        window.notifyDelegate(&WindowDelegate::windowDidMiniaturize,
                              "NSWindowDidMiniaturizeNotification");
    } else if (minimized < 0) {
        window.notifyDelegate(&WindowDelegate::windowDidDeminiaturize,
                              "NSWindowDidDeminiaturizeNotification");
    }
    if (const int fullScreen = changed(Qt::WindowFullScreen); fullScreen > 0) {
        window.notifyDelegate(&WindowDelegate::windowWillEnterFullScreen,
                              "NSWindowWillEnterFullScreenNotification");
        window.notifyDelegate(&WindowDelegate::windowDidEnterFullScreen,
                              "NSWindowDidEnterFullScreenNotification");
    } else if (fullScreen < 0) {
        window.notifyDelegate(&WindowDelegate::windowWillExitFullScreen,
                              "NSWindowWillExitFullScreenNotification");
        window.notifyDelegate(&WindowDelegate::windowDidExitFullScreen,
                              "NSWindowDidExitFullScreenNotification");
    }
}

} // namespace

WindowWidget::WindowWidget(Window& window) : ForwardingWidget(window, nullptr, Qt::Window) {}

void WindowWidget::closeEvent(QCloseEvent* event) {
    if (platformChange) {
        event->accept();
        return;
    }
    // The window manager's close button: the window decides, as if its own button was pressed.
    event->ignore();
    receiver().performClose();
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!platformChange)
        receiver().frameChangedByToolkit();
}

void WindowWidget::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (!platformChange)
        receiver().frameChangedByToolkit();
}

void WindowWidget::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        receiver().activatedByToolkit();
    if (event->type() == QEvent::WindowStateChange)
        tellStateChange(receiver(), static_cast<QWindowStateChangeEvent*>(event)->oldState(),
                        windowState());
}

void WindowWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The toolkit's window, which knows the screen, exists once the widget is first shown.
    if (screenWatched_ || !windowHandle())
        return;
    screenWatched_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] {
        receiver().notifyDelegate(&WindowDelegate::windowDidChangeScreen,
                                  "NSWindowDidChangeScreenNotification");
    });
}

void WindowWidget::paintEvent(QPaintEvent* event) {
    const auto color = receiver().backgroundColor();
    if (!color || color->alphaComponent() <= 0)
        return;
    QPainter painter(this);
    // A translucent window's colour replaces what is there; an opaque window's is laid over
    // the system background, so that it stays opaque.
    if (testAttribute(Qt::WA_TranslucentBackground))
        painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(event->rect(), QColor::fromRgbF(static_cast<float>(color->redComponent()),
                                                     static_cast<float>(color->greenComponent()),
                                                     static_cast<float>(color->blueComponent()),
                                                     static_cast<float>(color->alphaComponent())));
}

WindowPeer::WindowPeer(Window& window) : widget(new WindowWidget(window)) {}

WindowPeer::~WindowPeer() {
    delete widget.data();
}

} // namespace platform
