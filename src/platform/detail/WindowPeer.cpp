#include "platform/detail/WindowPeer.h"

#include "platform/Color.h"

#include <QCloseEvent>
#include <QPainter>

namespace platform {

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
}

void WindowWidget::paintEvent(QPaintEvent* event) {
    const auto color = receiver().backgroundColor();
    if (!color || color->alphaComponent() <= 0)
        return;
    QPainter painter(this);
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
