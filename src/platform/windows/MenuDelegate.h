#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Menu;
class MenuItem;

// What a menu tells its delegate while it is shown. Each method does nothing by default.
class MenuDelegate {
public:
    virtual ~MenuDelegate();

    // The menu is about to show: first it may bring its items up to date, then it opens.
    virtual void menuNeedsUpdate(const Ref<Menu>& menu);
    virtual void menuWillOpen(const Ref<Menu>& menu);
    virtual void menuDidClose(const Ref<Menu>& menu);
    // The pointer or the keyboard moved onto the item.
    virtual void menuWillHighlightItem(const Ref<Menu>& menu, const Ref<MenuItem>& item);
};

} // namespace platform
