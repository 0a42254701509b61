#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class MenuItem;

// A target that decides whether its menu items can be chosen. The platform asks it each time
// the item's menu is about to show and before a key equivalent chooses the item; its answer
// takes the place of the item's own enabled state.
class MenuItemValidation {
public:
    virtual ~MenuItemValidation() = default;
    virtual bool validateMenuItem(const Ref<MenuItem>& item) = 0;
};

} // namespace platform
