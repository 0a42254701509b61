#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class StatusItem;

// The desktop's status area (the tray of the panel).
class StatusBar : public Object {
public:
    static Ref<StatusBar> systemStatusBar();

    // A new item, shown while the program keeps it and until it is removed.
    Ref<StatusItem> statusItemWithLength(double length);
    // The item leaves the status area for good.
    void removeStatusItem(const Ref<StatusItem>& item);
    double thickness() const { return 22; }
};

} // namespace platform
