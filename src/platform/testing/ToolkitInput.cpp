#include "platform/testing/ToolkitInput.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace platform::testing {

void clickWidget(QWidget& widget) {
    clickWidgetAt(widget, QRectF(widget.rect()).center());
}

void clickWidgetAt(QWidget& widget, QPointF at, Qt::KeyboardModifiers modifiers) {
    QPointer<QWidget> target = &widget;
    const QPointF global = widget.mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      modifiers);
    QApplication::sendEvent(target, &press);
    if (!target)
        return;
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        modifiers);
    QApplication::sendEvent(target, &release);
}

void processEventsUntil(const std::function<bool()>& condition) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (condition())
            loop.quit();
    });
    QTimer::singleShot(5000, &loop, [&] { loop.quit(); });
    poll.start(1);
    loop.exec();
}

} // namespace platform::testing
