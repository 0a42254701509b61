#pragma once

// The shared record of the platform event being handled. Mouse and key events store their event
// just before the callback and clear it just after. One record exists, created on first use.

#include "platform/foundation/Object.h"

namespace platform {
class Event;
}

class CUI_Event : public platform::Object {
public:
    static CUI_Event& shared();

    platform::Ref<platform::Event> nsEvent() const { return nsEvent_; }
    void setNsEvent(platform::Ref<platform::Event> event) { nsEvent_ = std::move(event); }

private:
    platform::Ref<platform::Event> nsEvent_;
};

// Stores the event, or none, as the current event.
void CurrentEventSet(platform::Ref<platform::Event> event);
