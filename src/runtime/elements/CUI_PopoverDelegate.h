#pragma once

// The delegate a program gives a popover. Each question and notice of the popover goes to the
// dialog callback with the popover's tag as both the tag and the window tag, the record holding
// the answer a popover gets without a callback: it may close and detach, and it detaches into
// the window whose tag is that of the detachable window. That window keeps its place: closing
// it only hides it, ready for the next detachment. Its other events are reported as those of any
// runtime window.

#include "runtime/shell/CUI_WindowDelegate.h"

#include "platform/windows/PopoverDelegate.h"

class CUI_PopoverDelegate final : public CUI_WindowDelegate, public platform::PopoverDelegate {
public:
    platform::Ref<platform::Window> detachableWindow() const { return detachableWindow_; }
    // Holds the window and becomes its delegate.
    void setDetachableWindow(platform::Ref<platform::Window> window);

    // Record longVal prepared with the detachable window's tag (0 without one); the answer is the
    // window of the tag the record then holds, which becomes the current output window.
    platform::Ref<platform::Window>
    detachableWindowForPopover(const platform::Ref<platform::Popover>& popover) override;
    // Record boolVal prepared YES; the answer is boolVal after the call.
    bool popoverShouldClose(const platform::Ref<platform::Popover>& popover) override;
    bool popoverShouldDetach(const platform::Ref<platform::Popover>& popover) override;
    void popoverDidDetach(const platform::Ref<platform::Popover>& popover) override;
    void popoverWillShow(const platform::Ref<platform::Notification>& notification) override;
    void popoverDidShow(const platform::Ref<platform::Notification>& notification) override;
    void popoverWillClose(const platform::Ref<platform::Notification>& notification) override;
    void popoverDidClose(const platform::Ref<platform::Notification>& notification) override;

    // The detachable window is ordered out and stays; any other window is asked as usual.
    bool windowShouldClose(const platform::Ref<platform::Window>& window) override;

private:
    platform::Ref<platform::Window> detachableWindow_;
};
