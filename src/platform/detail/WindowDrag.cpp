#include "platform/detail/WindowDrag.h"

#include "platform/detail/ScreenGeometry.h"
#include "platform/detail/WindowPeer.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>

#include <cmath>

namespace platform::detail {

namespace {

class DragFollower : public QObject {
public:
    DragFollower(Window& window, QPointF anchor)
        : window_(std::static_pointer_cast<Window>(window.weak_from_this().lock())),
          anchor_(anchor) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) {
                finish();
                return false;
            }
            follow(mouse->globalPosition());
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            finish();
            return true;
        }
        return false;
    }

private:
    void follow(QPointF global) {
        const auto window = window_.lock();
        if (!window) {
            finish();
            return;
        }
        const QWidget* widget = window->peer().widget;
        const QPointF topLeft = global - anchor_;
        const QRect content(QPoint(static_cast<int>(std::lround(topLeft.x())),
                                   static_cast<int>(std::lround(topLeft.y()))),
                            widget->size());
        window->setFrameOrigin(
            window->frameRectForContentRect(fromToolkitScreenRect(content)).origin);
    }

    void finish() {
        qApp->removeEventFilter(this);
        deleteLater();
    }

    WeakRef<Window> window_;
    // The pressed point in the toolkit's coordinates of the window's content (y down).
    QPointF anchor_;
};

} // namespace

void startWindowDrag(Window& window, Point pressedInWindow) {
    QWidget* widget = window.peer().widget;
    if (QWindow* handle = widget->windowHandle(); handle && handle->startSystemMove())
        return;
    new DragFollower(window, QPointF(pressedInWindow.x, widget->height() - pressedInWindow.y));
}

} // namespace platform::detail
