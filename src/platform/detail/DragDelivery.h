#pragma once

// Internal to the platform: turns the toolkit's drag-and-drop events over a widget into the
// dragging-destination calls of its view, or of its window's delegate. Each function answers
// whether the receiver took part; when it did not, the widget leaves the event to the toolkit,
// which offers it to the widgets below.

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

namespace platform {
class Array;
class Pasteboard;
class View;
class Window;
} // namespace platform

namespace platform::detail {

// A point of the widget in the window's content coordinates.
Point locationIn(const Ref<Window>& window, QWidget& widget, QPointF position);
// Whether the pasteboard offers one of the registered types.
bool offersRegisteredType(const Pasteboard& pasteboard, const Ref<Array>& registered);

bool deliverDragEnter(View& view, QWidget& widget, QDragEnterEvent& event);
bool deliverDragEnter(Window& window, QWidget& widget, QDragEnterEvent& event);
bool deliverDragMove(QWidget& widget, QDragMoveEvent& event);
bool deliverDragLeave(QWidget& widget);
bool deliverDrop(QWidget& widget, QDropEvent& event);

} // namespace platform::detail
