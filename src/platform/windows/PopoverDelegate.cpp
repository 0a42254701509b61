#include "platform/windows/PopoverDelegate.h"

#include "platform/windows/Window.h"

namespace platform {

PopoverDelegate::~PopoverDelegate() = default;

bool PopoverDelegate::popoverShouldClose(const Ref<Popover>&) {
    return true;
}
bool PopoverDelegate::popoverShouldDetach(const Ref<Popover>&) {
    return false;
}
Ref<Window> PopoverDelegate::detachableWindowForPopover(const Ref<Popover>&) {
    return nullptr;
}
void PopoverDelegate::popoverDidDetach(const Ref<Popover>&) {}
void PopoverDelegate::popoverWillShow(const Ref<Notification>&) {}
void PopoverDelegate::popoverDidShow(const Ref<Notification>&) {}
void PopoverDelegate::popoverWillClose(const Ref<Notification>&) {}
void PopoverDelegate::popoverDidClose(const Ref<Notification>&) {}

} // namespace platform
