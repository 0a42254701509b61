#pragma once

// Internal to the platform: turns the toolkit's input events into our events and delivers them
// to the view and window methods.

#include "platform/app/Event.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <functional>

class QWidget;

namespace platform {
class String;
class View;
class Window;
} // namespace platform

namespace platform::detail {

std::uint64_t translateModifiers(Qt::KeyboardModifiers modifiers);
// The toolkit modifiers that translate to these flags: Command is Ctrl.
Qt::KeyboardModifiers toolkitModifiers(std::uint64_t flags);
// The toolkit key of a one-character key equivalent with its modifier flags: Return and Escape
// by their characters, a printable character as its key (an uppercase one adds Shift). An empty
// combination for anything else.
QKeyCombination toolkitKeyEquivalent(const String& key, std::uint64_t flags);
// The framework's virtual key code of a toolkit key; 0xffff for keys it has no code for.
std::uint16_t keyCodeForKey(int key);
bool isModifierKey(int key);

// Builds events for a receiver widget; the location is measured in the window's content
// coordinates (origin bottom left).
Ref<Event> translateMouseEvent(const QMouseEvent& event, EventType type, QWidget& receiver,
                               const Ref<Window>& window, std::function<void()> toolkitDefault);
Ref<Event> translateKeyEvent(const QKeyEvent& event, EventType type, const Ref<Window>& window,
                             std::function<void()> toolkitDefault);
Ref<Event> translateWheelEvent(const QWheelEvent& event, QWidget& receiver,
                               const Ref<Window>& window, std::function<void()> toolkitDefault);
Ref<Event> translateCrossingEvent(EventType type, const Ref<Window>& window,
                                  std::function<void()> toolkitDefault);

// Makes the event current, calls the method and then expires the event's toolkit default, which
// must not outlive the toolkit event it refers to.
template <class Receiver>
void deliverEvent(Receiver& receiver, void (Receiver::*method)(const Ref<Event>&),
                  const Ref<Event>& event);

} // namespace platform::detail
