#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Array;
class String;
class Toolbar;
class ToolbarItem;

// What a toolbar asks its delegate, which makes its items from identifiers. The identifier lists
// are arrays of strings; each method answers what the framework answers without a delegate:
// no lists and no items.
class ToolbarDelegate {
public:
    virtual ~ToolbarDelegate();

    // The item for the identifier; whether it goes into the toolbar now, or only into the
    // customisation palette.
    virtual Ref<ToolbarItem> toolbarItemForItemIdentifier(const Ref<Toolbar>& toolbar,
                                                          const Ref<String>& identifier,
                                                          bool willBeInserted);
    // The items the user may put into the toolbar, and those it shows at first, in order.
    virtual Ref<Array> toolbarAllowedItemIdentifiers(const Ref<Toolbar>& toolbar);
    virtual Ref<Array> toolbarDefaultItemIdentifiers(const Ref<Toolbar>& toolbar);
    // The items that show as selected when chosen, one at a time.
    virtual Ref<Array> toolbarSelectableItemIdentifiers(const Ref<Toolbar>& toolbar);
    // The items the user may neither remove nor move.
    virtual Ref<Array> toolbarImmovableItemIdentifiers(const Ref<Toolbar>& toolbar);
};

} // namespace platform
