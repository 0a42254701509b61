#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class ToolbarItem;

// A target that decides whether its toolbar items can be chosen. The toolbar asks it whenever it
// shows its items anew (validateVisibleItems) and before a click performs an item's action; its
// answer takes the place of the item's own enabled state.
class ToolbarItemValidation {
public:
    virtual ~ToolbarItemValidation() = default;
    virtual bool validateToolbarItem(const Ref<ToolbarItem>& item) = 0;
};

} // namespace platform
