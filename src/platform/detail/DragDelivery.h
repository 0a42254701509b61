#pragma once

// Internal to the platform: turns the toolkit's drag-and-drop events over a widget into the
// dragging-destination calls of its view, or of its window's delegate. Each function answers
// whether the receiver took part; when it did not, the widget leaves the event to the toolkit,
// which offers it to the widgets below.

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace platform {
class View;
class Window;
} // namespace platform

namespace platform::detail {

bool deliverDragEnter(View& view, QWidget& widget, QDragEnterEvent& event);
bool deliverDragEnter(Window& window, QWidget& widget, QDragEnterEvent& event);
bool deliverDragMove(QWidget& widget, QDragMoveEvent& event);
bool deliverDragLeave(QWidget& widget);
bool deliverDrop(QWidget& widget, QDropEvent& event);

} // namespace platform::detail
