#include "platform/app/DraggingSession.h"

#include "platform/app/Application.h"
#include "platform/app/DraggingDestination.h"
#include "platform/app/DraggingInfo.h"
#include "platform/app/DraggingItem.h"
#include "platform/app/DraggingSource.h"
#include "platform/app/Event.h"
#include "platform/app/Pasteboard.h"
#include "platform/app/PasteboardItem.h"
#include "platform/detail/DragDelivery.h"
#include "platform/detail/ScreenGeometry.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"
#include "platform/windows/WindowDelegate.h"

#include <QApplication>
#include <QDrag>
#include <QKeyEvent>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QPropertyAnimation>
#include <QUrl>

#include <algorithm>

namespace platform {

namespace {

Ref<DraggingSession>& running() {
    static Ref<DraggingSession> session;
    return session;
}

struct ToolkitOperation {
    std::uint64_t operation;
    Qt::DropAction action;
};
constexpr ToolkitOperation toolkitOperations[] = {
    {DragOperation::Copy, Qt::CopyAction},
    {DragOperation::Move, Qt::MoveAction},
    {DragOperation::Link, Qt::LinkAction},
};

// A rectangle of the view in the toolkit's coordinates of its window's widget (y down).
QRectF rectInWindowWidget(const View& view, Rect rect, const QWidget& top) {
    const Point a = view.convertPointToView(rect.origin, nullptr);
    const Point b = view.convertPointToView({rect.maxX(), rect.maxY()}, nullptr);
    return {QPointF(std::min(a.x, b.x), top.height() - std::max(a.y, b.y)),
            QPointF(std::max(a.x, b.x), top.height() - std::min(a.y, b.y))};
}

Point screenPoint(QPointF global) {
    return {global.x(), detail::mainScreenHeight() - global.y()};
}

// The innermost shown view under the point (in the window's content coordinates) that takes
// what the pasteboard offers; later subviews lie above earlier ones.
Ref<View> destinationViewAt(const Ref<View>& view, Point inWindow, const Pasteboard& pasteboard) {
    if (view->isHidden() ||
        !view->bounds().containsPoint(view->convertPointFromView(inWindow, nullptr)))
        return nullptr;
    const auto& subviews = view->subviews();
    for (auto it = subviews.rbegin(); it != subviews.rend(); ++it)
        if (auto found = destinationViewAt(*it, inWindow, pasteboard))
            return found;
    return detail::offersRegisteredType(pasteboard, view->registeredDraggedTypes()) ? view
                                                                                    : nullptr;
}

// What lies under the pointer: the window (none outside the program's windows) and the
// destination in it, if any.
struct Target {
    Ref<Window> window;
    Point location;
    std::shared_ptr<DraggingDestination> destination;
};

Target targetAt(QPointF global, const Pasteboard& pasteboard) {
    for (const auto& window : Application::shared()->orderedWindows()) {
        QWidget* top = window->peer().widget;
        if (!top || !top->isVisible())
            continue;
        const QPointF local = top->mapFromGlobal(global);
        if (!QRectF(top->rect()).contains(local))
            continue;
        Target target{window, detail::locationIn(window, *top, local), nullptr};
        if (const auto content = window->contentView())
            if (const auto view = destinationViewAt(content, target.location, pasteboard)) {
                target.destination = std::shared_ptr<DraggingDestination>(view, view.get());
                return target;
            }
        if (detail::offersRegisteredType(pasteboard, window->registeredDraggedTypes()))
            target.destination = std::dynamic_pointer_cast<DraggingDestination>(window->delegate());
        return target;
    }
    return {};
}

QMimeData* mimeDataFor(const Pasteboard& pasteboard) {
    auto* data = new QMimeData;
    QList<QUrl> urls;
    const auto fileURLs = pasteboard.readFileURLs();
    for (const auto& object : *fileURLs)
        urls.append(QUrl(QString::fromStdString(
            std::static_pointer_cast<URL>(object)->absoluteString()->utf8())));
    if (!urls.isEmpty())
        data->setUrls(urls);
    if (const auto text = std::dynamic_pointer_cast<String>(
            pasteboard.propertyListForType(*String::fromUtf8(StringPboardType))))
        data->setText(QString::fromStdString(text->utf8()));
    return data;
}

} // namespace

// Follows the mouse and the keyboard for the session, from an event filter on the whole
// application. The button held since the press keeps the mouse on the source's widget (the
// window system's implicit grab), so every move and the release arrive there, wherever the
// pointer is; the filter takes them before the widget sees them.
class DraggingSession::Tracker : public QObject {
public:
    Tracker(DraggingSession& session, QWidget* sourceWidget, QRect imageRect, QPointF global)
        : session_(session), sourceWidget_(sourceWidget) {
        if (!imageRect.isEmpty()) {
            image_ = new QLabel;
            image_->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint |
                                   Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
            image_->setAttribute(Qt::WA_TransparentForMouseEvents);
            image_->setAttribute(Qt::WA_ShowWithoutActivating);
            image_->setPixmap(sourceWidget->window()->grab(imageRect));
            image_->setWindowOpacity(0.75);
            startTopLeft_ = sourceWidget->window()->mapToGlobal(imageRect.topLeft());
            pointerInImage_ = global - QPointF(startTopLeft_);
            image_->move(startTopLeft_);
            image_->show();
        }
        qApp->installEventFilter(this);
    }
    ~Tracker() override { delete image_; }

    void moved(QPointF global) {
        last_ = global;
        if (image_)
            image_->move((global - pointerInImage_).toPoint());
        const auto& info = session_.info_;
        Target target = targetAt(global, *info->draggingPasteboard());
        if (!target.window) {
            leaveProgram(global);
            return;
        }
        info->setDraggingDestinationWindow(target.window);
        info->setDraggingLocation(target.location);
        if (target.destination != destination_) {
            exitDestination();
            destination_ = target.destination;
            if (destination_) {
                operation_ = destination_->draggingEntered(info);
                destination_->setEnteredOperation(operation_);
            }
        } else if (destination_) {
            operation_ = destination_->draggingUpdated(info);
        }
        operation_ &= info->draggingSourceOperationMask();
    }

    void drop(QPointF global) {
        if (global != last_)
            moved(global);
        if (!destination_ || operation_ == DragOperation::None) {
            exitDestination();
            slideImageTo(startTopLeft_);
            finish(global, DragOperation::None);
            return;
        }
        const auto destination = std::exchange(destination_, nullptr);
        const auto& info = session_.info_;
        const bool done =
            destination->prepareForDragOperation(info) && destination->performDragOperation(info);
        if (done)
            destination->concludeDragOperation(info);
        destination->draggingEnded(info);
        if (!done)
            slideImageTo(startTopLeft_);
        else if (info->animatesToDestination())
            slideImageToItems();
        finish(global, done ? operation_ : DragOperation::None);
    }

    void cancel() {
        exitDestination();
        slideImageTo(startTopLeft_);
        finish(last_, DragOperation::None);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove:
            moved(static_cast<QMouseEvent*>(event)->globalPosition());
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                drop(static_cast<QMouseEvent*>(event)->globalPosition());
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::ShortcutOverride:
            // Escape is the drag's, not a shortcut's such as a dialog's Cancel button.
            if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
                return false;
            event->accept();
            return true;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape)
                return false;
            cancel();
            return true;
        default:
            return false;
        }
    }

private:
    void exitDestination() {
        if (const auto destination = std::exchange(destination_, nullptr))
            destination->draggingExited(session_.info_);
        operation_ = DragOperation::None;
    }

    // Hands the drag to the toolkit, which offers it to other programs, when the source lets
    // anything be done with it outside; otherwise the drag goes on here, over no destination.
    void leaveProgram(QPointF global) {
        exitDestination();
        const auto self = running();
        const std::uint64_t mask =
            session_.source_->draggingSessionSourceOperationMaskForDraggingContext(
                self, DraggingContext::OutsideApplication);
        Qt::DropActions actions;
        for (const auto& row : toolkitOperations)
            if (mask & row.operation)
                actions |= row.action;
        if (!actions || !sourceWidget_)
            return;
        stopFollowing();
        QDrag drag(sourceWidget_);
        drag.setMimeData(mimeDataFor(*session_.info_->draggingPasteboard()));
        if (image_)
            drag.setPixmap(image_->pixmap());
        const Qt::DropAction done = drag.exec(actions);
        std::uint64_t operation = DragOperation::None;
        for (const auto& row : toolkitOperations)
            if (row.action == done)
                operation = row.operation;
        finish(global, operation);
    }

    // The image goes back where it came from when nothing took the drag, and where the
    // destination put the items when it asked for that; it is gone once there.
    void slideImageTo(QPoint topLeft) {
        if (!image_)
            return;
        auto* slide = new QPropertyAnimation(image_, "pos");
        slide->setEndValue(topLeft);
        slide->setDuration(150);
        QObject::connect(slide, &QAbstractAnimation::finished, image_, &QObject::deleteLater);
        slide->start(QAbstractAnimation::DeleteWhenStopped);
        image_ = nullptr;
    }

    void slideImageToItems() {
        const auto& info = session_.info_;
        const auto view = info->draggingSource();
        const auto window = view ? view->window() : nullptr;
        if (!window || !window->peer().widget)
            return;
        QRectF items;
        info->enumerateDraggingItemsForView(view, [&](DraggingItem& item, std::int64_t, bool&) {
            items |= rectInWindowWidget(*view, item.draggingFrame(), *window->peer().widget);
        });
        slideImageTo(window->peer().widget->mapToGlobal(items.topLeft().toPoint()));
    }

    void stopFollowing() {
        qApp->removeEventFilter(this);
        if (image_)
            image_->hide();
    }

    // The session outlives its tracker's part in it: the source may keep it. The tracker goes
    // once the event that ended the drag has been handled.
    void finish(QPointF global, std::uint64_t operation) {
        stopFollowing();
        const auto self = std::exchange(running(), nullptr);
        session_.tracker_ = nullptr;
        deleteLater();
        if (self)
            session_.source_->draggingSessionEndedAtPointOperation(self, screenPoint(global),
                                                                   operation);
    }

    DraggingSession& session_;
    QPointer<QWidget> sourceWidget_;
    QLabel* image_ = nullptr;
    QPointF pointerInImage_;
    QPoint startTopLeft_;
    QPointF last_;
    std::shared_ptr<DraggingDestination> destination_;
    std::uint64_t operation_ = DragOperation::None;
};

DraggingSession::DraggingSession(Ref<DraggingInfo> info, std::shared_ptr<DraggingSource> source)
    : info_(std::move(info)), source_(std::move(source)) {}

DraggingSession::~DraggingSession() = default;

Ref<DraggingSession> DraggingSession::current() {
    return running();
}

Ref<Pasteboard> DraggingSession::draggingPasteboard() const {
    return info_->draggingPasteboard();
}

void DraggingSession::cancel() {
    if (tracker_)
        tracker_->cancel();
}

Ref<DraggingSession>
DraggingSession::beginDraggingSession(View& view, std::vector<Ref<DraggingItem>> items,
                                      const Ref<Event>& event,
                                      const std::shared_ptr<DraggingSource>& source) {
    const auto window = view.window();
    QWidget* sourceWidget = view.peer().widget;
    if (items.empty() || !window || !event || running() || !sourceWidget)
        return nullptr;
    QWidget* top = window->peer().widget;
    // The items' frames, in the toolkit's coordinates of the window, make the drag image.
    QRectF imageRect;
    const auto pasteboardItems = Array::array();
    for (const auto& item : items) {
        pasteboardItems->addObject(item->item());
        imageRect |= rectInWindowWidget(view, item->draggingFrame(), *top);
    }
    const auto pasteboard = std::make_shared<Pasteboard>();
    pasteboard->writeObjects(pasteboardItems);
    const Point location = event->locationInWindow();
    const auto info = std::make_shared<DraggingInfo>(
        pasteboard, window, location, DragOperation::None,
        std::static_pointer_cast<View>(view.weak_from_this().lock()), std::move(items));
    const auto session = std::make_shared<DraggingSession>(
        info, source ? source : std::make_shared<DraggingSource>());
    info->setDraggingSourceOperationMask(
        session->source_->draggingSessionSourceOperationMaskForDraggingContext(
            session, DraggingContext::WithinApplication));
    running() = session;
    const QPointF global = top->mapToGlobal(QPointF(location.x, top->height() - location.y));
    session->tracker_ = new Tracker(*session, sourceWidget,
                                    imageRect.toAlignedRect().intersected(top->rect()), global);
    session->source_->draggingSessionWillBeginAtPoint(session, screenPoint(global));
    if (session->tracker_)
        session->tracker_->moved(global);
    return session;
}

} // namespace platform
