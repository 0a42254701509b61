#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Notification;
class Popover;
class Window;

// What a popover asks of and tells its delegate. Each method answers what the framework answers
// when a popover has no delegate: it may close, it does not detach, and it has no window of its
// own to become when it is detached.
class PopoverDelegate {
public:
    virtual ~PopoverDelegate();

    // Asked before the popover closes itself (a click outside it, Escape) and by performClose;
    // close() does not ask.
    virtual bool popoverShouldClose(const Ref<Popover>& popover);
    // Asked once the user has dragged the popover far enough away from where it points.
    virtual bool popoverShouldDetach(const Ref<Popover>& popover);
    // The window that takes the popover's content when it detaches; with none, the popover goes
    // on as a window of its own that stays open.
    virtual Ref<Window> detachableWindowForPopover(const Ref<Popover>& popover);
    virtual void popoverDidDetach(const Ref<Popover>& popover);

    // Notifications whose object is the popover.
    virtual void popoverWillShow(const Ref<Notification>& notification);
    virtual void popoverDidShow(const Ref<Notification>& notification);
    virtual void popoverWillClose(const Ref<Notification>& notification);
    virtual void popoverDidClose(const Ref<Notification>& notification);
};

} // namespace platform
