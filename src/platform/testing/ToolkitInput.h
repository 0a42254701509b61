#pragma once

// Internal to the platform's test support and its own tests: real toolkit input sent straight
// to a widget, as the window system would deliver it.

#include <QPointF>
#include <QtCore/qnamespace.h>

#include <functional>

class QWidget;

namespace platform::testing {

// Presses and releases the left mouse button at a point of the widget (its centre when no point
// is given). The widget may be destroyed by the press; the release then is not sent.
void clickWidget(QWidget& widget);
void clickWidgetAt(QWidget& widget, QPointF at, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// Processes events until the condition holds, for at most a few seconds.
void processEventsUntil(const std::function<bool()>& condition);

} // namespace platform::testing
