#include "platform/detail/DragDelivery.h"

#include "platform/app/DraggingDestination.h"
#include "platform/app/Pasteboard.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"
#include "platform/windows/WindowDelegate.h"

#include <QMimeData>
#include <QPointer>
#include <QUrl>

namespace platform::detail {

namespace {

// The one drag in progress over the application's windows.
struct DragSession {
    QPointer<QWidget> widget;
    std::shared_ptr<DraggingDestination> destination;
    Ref<DraggingInfo> info;
};

DragSession& session() {
    static DragSession current;
    return current;
}

// What the drag offers: local files under the file-names type, text under the string type.
Ref<Pasteboard> pasteboardFor(const QMimeData* data) {
    const auto pasteboard = std::make_shared<Pasteboard>();
    if (!data)
        return pasteboard;
    const auto paths = Array::array();
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            paths->addObject(String::create(url.toLocalFile().toStdU16String()));
    if (paths->count() > 0)
        pasteboard->setPropertyListForType(paths, *String::fromUtf8(FilenamesPboardType));
    if (data->hasText())
        pasteboard->setPropertyListForType(String::create(data->text().toStdU16String()),
                                           *String::fromUtf8(StringPboardType));
    return pasteboard;
}

Qt::DropAction toolkitAction(std::uint64_t operation) {
    if (operation & DragOperation::Copy)
        return Qt::CopyAction;
    if (operation & DragOperation::Move)
        return Qt::MoveAction;
    return Qt::LinkAction;
}

void end() {
    session() = {};
}

bool begin(const std::shared_ptr<DraggingDestination>& destination, const Ref<Array>& registered,
           const Ref<Window>& window, QWidget& widget, QDragEnterEvent& event) {
    if (!destination)
        return false;
    const auto pasteboard = pasteboardFor(event.mimeData());
    if (!offersRegisteredType(*pasteboard, registered))
        return false;
    auto& current = session();
    current.widget = &widget;
    current.destination = destination;
    current.info = std::make_shared<DraggingInfo>(
        pasteboard, window, locationIn(window, widget, event.position()),
        DragOperation::Copy | DragOperation::Link | DragOperation::Move);
    const std::uint64_t operation = destination->draggingEntered(current.info);
    destination->setEnteredOperation(operation);
    if (operation == DragOperation::None) {
        // The toolkit tells a widget that refused a drag nothing more of it, so the session lets
        // go of the destination now rather than keep it alive until the next drag.
        end();
        event.ignore();
        return true;
    }
    event.setDropAction(toolkitAction(operation));
    event.accept();
    return true;
}

} // namespace

Point locationIn(const Ref<Window>& window, QWidget& widget, QPointF position) {
    if (!window)
        return {position.x(), position.y()};
    QWidget* top = window->peer().widget;
    const QPointF inTop = widget.mapTo(top, position);
    return {inTop.x(), top->height() - inTop.y()};
}

bool offersRegisteredType(const Pasteboard& pasteboard, const Ref<Array>& registered) {
    if (!registered)
        return false;
    for (const auto& type : *registered)
        if (const auto name = std::dynamic_pointer_cast<String>(type);
            name && pasteboard.containsType(*name))
            return true;
    return false;
}

bool deliverDragEnter(View& view, QWidget& widget, QDragEnterEvent& event) {
    const std::shared_ptr<DraggingDestination> destination(view.weak_from_this().lock(), &view);
    return begin(destination, view.registeredDraggedTypes(), view.window(), widget, event);
}

bool deliverDragEnter(Window& window, QWidget& widget, QDragEnterEvent& event) {
    return begin(std::dynamic_pointer_cast<DraggingDestination>(window.delegate()),
                 window.registeredDraggedTypes(),
                 std::static_pointer_cast<Window>(window.weak_from_this().lock()), widget, event);
}

bool deliverDragMove(QWidget& widget, QDragMoveEvent& event) {
    auto& current = session();
    if (current.widget != &widget || !current.destination)
        return false;
    current.info->setDraggingLocation(
        locationIn(current.info->draggingDestinationWindow(), widget, event.position()));
    const std::uint64_t operation = current.destination->draggingUpdated(current.info);
    if (operation == DragOperation::None) {
        event.ignore();
    } else {
        event.setDropAction(toolkitAction(operation));
        event.accept();
    }
    return true;
}

bool deliverDragLeave(QWidget& widget) {
    const DragSession current = session();
    if (current.widget != &widget || !current.destination)
        return false;
    end();
    current.destination->draggingExited(current.info);
    current.destination->draggingEnded(current.info);
    return true;
}

bool deliverDrop(QWidget& widget, QDropEvent& event) {
    const DragSession current = session();
    if (current.widget != &widget || !current.destination)
        return false;
    end();
    current.info->setDraggingLocation(
        locationIn(current.info->draggingDestinationWindow(), widget, event.position()));
    if (current.destination->prepareForDragOperation(current.info) &&
        current.destination->performDragOperation(current.info)) {
        current.destination->concludeDragOperation(current.info);
        event.acceptProposedAction();
    } else {
        event.ignore();
    }
    current.destination->draggingEnded(current.info);
    return true;
}

} // namespace platform::detail
