#include "runtime/elements/CUI_PopoverDelegate.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/foundation/Notification.h"
#include "platform/windows/Popover.h"
#include "platform/windows/Window.h"

#include <cstdlib>

using platform::Popover;
using platform::Ref;

namespace {

void report(const Ref<Popover>& popover, std::int64_t code) {
    const std::int64_t tag = popover ? Additions::tag(*popover) : 0;
    DialogCallbackCall(code, tag, tag, nullptr);
}

void reportNotice(const Ref<platform::Notification>& notification, std::int64_t code) {
    const auto object = notification ? notification->object() : nullptr;
    report(object ? object->as<Popover>() : nullptr, code);
}

bool ask(const Ref<Popover>& popover, std::int64_t code) {
    DialogEventSetBoolVal(true);
    report(popover, code);
    return DialogEventBoolVal();
}

} // namespace

void CUI_PopoverDelegate::setDetachableWindow(Ref<platform::Window> window) {
    detachableWindow_ = std::move(window);
    if (detachableWindow_)
        detachableWindow_->setDelegate(std::static_pointer_cast<CUI_PopoverDelegate>(self()));
}

Ref<platform::Window> CUI_PopoverDelegate::detachableWindowForPopover(const Ref<Popover>& popover) {
    DialogEventSetLongVal(detachableWindow_ ? Additions::tag(*detachableWindow_) : 0);
    report(popover, PopoverEvent::DetachableWindow);
    const std::int64_t tag = DialogEventLongVal();
    CurrentOutputWindowTagSet(std::llabs(tag));
    return WindowWithTag(tag);
}

bool CUI_PopoverDelegate::popoverShouldClose(const Ref<Popover>& popover) {
    return ask(popover, PopoverEvent::ShouldClose);
}

bool CUI_PopoverDelegate::popoverShouldDetach(const Ref<Popover>& popover) {
    return ask(popover, PopoverEvent::ShouldDetach);
}

void CUI_PopoverDelegate::popoverDidDetach(const Ref<Popover>& popover) {
    report(popover, PopoverEvent::DidDetach);
}

void CUI_PopoverDelegate::popoverWillShow(const Ref<platform::Notification>& notification) {
    reportNotice(notification, PopoverEvent::WillShow);
}

void CUI_PopoverDelegate::popoverDidShow(const Ref<platform::Notification>& notification) {
    reportNotice(notification, PopoverEvent::DidShow);
}

void CUI_PopoverDelegate::popoverWillClose(const Ref<platform::Notification>& notification) {
    reportNotice(notification, PopoverEvent::WillClose);
}

void CUI_PopoverDelegate::popoverDidClose(const Ref<platform::Notification>& notification) {
    reportNotice(notification, PopoverEvent::DidClose);
}

bool CUI_PopoverDelegate::windowShouldClose(const Ref<platform::Window>& window) {
    if (!window || window != detachableWindow_)
        return CUI_WindowDelegate::windowShouldClose(window);
    window->orderOut();
    return false;
}
