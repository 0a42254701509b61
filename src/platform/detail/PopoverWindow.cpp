#include "platform/detail/PopoverWindow.h"

#include "platform/detail/ModalInputFilter.h"

#include "platform/app/Event.h"
#include "platform/detail/WindowPeer.h"
#include "platform/windows/Popover.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace platform::detail {

namespace {

// An application-wide filter that reports presses outside a window and Escape inside it.
class Watcher final : public QObject {
public:
    Watcher(QWidget& watched, std::function<void(QWidget& clicked)> outside,
            std::function<void()> escape)
        : watched_(&watched), outside_(std::move(outside)), escape_(std::move(escape)) {}

    bool eventFilter(QObject* object, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || !watched_)
            return false;
        QWidget* top = widget->window();
        if (event->type() == QEvent::MouseButtonPress && top != watched_) {
            // A press nobody takes travels on to the parents of the widget it was meant for, at
            // the same place on the screen: the same click, reported once.
            const QPointF at = static_cast<QMouseEvent*>(event)->globalPosition();
            const bool travelling =
                lastReceiver_ && widget->isAncestorOf(lastReceiver_) && at == lastPress_;
            lastPress_ = at;
            lastReceiver_ = widget;
            if (!travelling)
                outside_(*top);
        } else if (event->type() == QEvent::KeyPress && top == watched_ &&
                   static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            escape_();
            return true;
        }
        return false;
    }

private:
    QPointer<QWidget> watched_;
    QPointF lastPress_;
    QPointer<QWidget> lastReceiver_;
    std::function<void(QWidget&)> outside_;
    std::function<void()> escape_;
};

} // namespace

PopoverWindow::PopoverWindow(Popover& popover)
    : Panel({}, WindowStyleMask::Borderless),
      popover_(std::static_pointer_cast<Popover>(popover.self())) {
    setLevel(WindowLevel::Floating);
    setReleasedWhenClosed(false);
    // A popover belongs to the window it is shown from: it takes clicks and keys while that
    // window runs modally, as the program's windows usually do.
    peer().widget->setProperty(kWorksWhenModalProperty, true);
}

PopoverWindow::~PopoverWindow() {
    stopWatching();
}

void PopoverWindow::startWatching() {
    if (watcher_)
        return;
    const WeakRef<Popover> weak = popover_;
    watcher_ = std::make_unique<Watcher>(
        *peer().widget,
        [weak](QWidget& clicked) {
            const auto popover = weak.lock();
            const auto view = popover ? popover->positioningView_.lock() : nullptr;
            const auto window = view ? view->window() : nullptr;
            if (popover)
                popover->userClickedOutside(window && window->peer().widget == &clicked);
        },
        [weak] {
            if (const auto popover = weak.lock())
                popover->userPressedEscape();
        });
    qApp->installEventFilter(watcher_.get());
}

void PopoverWindow::stopWatching() {
    if (watcher_ && qApp)
        qApp->removeEventFilter(watcher_.get());
    watcher_.reset();
}

void PopoverWindow::mouseDown(const Ref<Event>& event) {
    pressedAt_ = convertPointToScreen(event->locationInWindow());
    if (const auto popover = popover_.lock())
        popover->userPressed();
}

void PopoverWindow::mouseDragged(const Ref<Event>& event) {
    const Point now = convertPointToScreen(event->locationInWindow());
    if (const auto popover = popover_.lock())
        popover->userDragged({now.x - pressedAt_.x, now.y - pressedAt_.y});
}

} // namespace platform::detail
