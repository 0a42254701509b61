#pragma once

// The delegate the wiring gives path controls that have none, and the target of their single
// and double actions when the program makes it so. Its questions prepare the shared record with
// the answer a path control gives without a delegate and answer what the program left there;
// each goes to the dialog callback with the path control's tag and window tag. One instance
// serves every path control.

#include "platform/foundation/Object.h"
#include "platform/views/controls/PathControlDelegate.h"

class CUI_PathControlDelegate : public platform::Object, public platform::PathControlDelegate {
public:
    // The one delegate, created on first use and never released: path controls hold it weakly.
    static const platform::Ref<CUI_PathControlDelegate>& shared();

    // Record longVal prepared with the copy operation, the dragging info the object; the
    // answer is longVal after the call.
    std::uint64_t
    pathControlValidateDrop(const platform::Ref<platform::PathControl>& pathControl,
                            const platform::Ref<platform::DraggingInfo>& info) override;
    // Record boolVal prepared YES, the dragging info the object; the answer is boolVal.
    bool pathControlAcceptDrop(const platform::Ref<platform::PathControl>& pathControl,
                               const platform::Ref<platform::DraggingInfo>& info) override;
    // The panel, and the menu, are the object, for the program to change before they show.
    void
    pathControlWillDisplayOpenPanel(const platform::Ref<platform::PathControl>& pathControl,
                                    const platform::Ref<platform::OpenPanel>& openPanel) override;
    void pathControlWillPopUpMenu(const platform::Ref<platform::PathControl>& pathControl,
                                  const platform::Ref<platform::Menu>& menu) override;

    // The path control's action reported as any control's (ControlAction).
    void singleAction(const platform::Ref<platform::Object>& sender);
    // The path control's double action, reported to the dialog callback.
    void doubleAction(const platform::Ref<platform::Object>& sender);
};
