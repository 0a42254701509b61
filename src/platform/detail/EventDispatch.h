#pragma once

// Internal to the platform: the parts of an event only the toolkit side may touch.

#include "platform/app/Application.h"
#include "platform/app/Event.h"
#include "platform/detail/EventTranslation.h"

namespace platform::detail {

struct EventDispatch {
    static void expire(Event& event) { event.toolkitDefault_ = nullptr; }
};

template <class Receiver>
void deliverEvent(Receiver& receiver, void (Receiver::*method)(const Ref<Event>&),
                  const Ref<Event>& event) {
    // The receiver may close its window or leave its superview while it handles the event.
    const auto keepAlive = receiver.weak_from_this().lock();
    Application::shared()->setCurrentEvent(event);
    (receiver.*method)(event);
    EventDispatch::expire(*event);
}

} // namespace platform::detail
