#include "platform/windows/ToolbarDelegate.h"

#include "platform/foundation/Array.h"
#include "platform/windows/ToolbarItem.h"

namespace platform {

ToolbarDelegate::~ToolbarDelegate() = default;

Ref<ToolbarItem> ToolbarDelegate::toolbarItemForItemIdentifier(const Ref<Toolbar>&,
                                                               const Ref<String>&, bool) {
    return nullptr;
}
Ref<Array> ToolbarDelegate::toolbarAllowedItemIdentifiers(const Ref<Toolbar>&) {
    return nullptr;
}
Ref<Array> ToolbarDelegate::toolbarDefaultItemIdentifiers(const Ref<Toolbar>&) {
    return nullptr;
}
Ref<Array> ToolbarDelegate::toolbarSelectableItemIdentifiers(const Ref<Toolbar>&) {
    return nullptr;
}
Ref<Array> ToolbarDelegate::toolbarImmovableItemIdentifiers(const Ref<Toolbar>&) {
    return nullptr;
}

} // namespace platform
