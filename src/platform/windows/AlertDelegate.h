#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Alert;

// What an alert asks of its delegate. Each method answers what the framework answers when an
// alert has no delegate.
class AlertDelegate {
public:
    virtual ~AlertDelegate();

    // The user pressed the alert's help button. True tells the alert that the delegate gave the
    // help; false that nothing was done.
    virtual bool alertShowHelp(const Ref<Alert>& alert);
};

} // namespace platform
