#include "runtime/elements/CUI_PathControlDelegate.h"

#include "runtime/shell/CUI_ControlTarget.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"

#include "platform/app/DraggingInfo.h"
#include "platform/services/OpenPanel.h"
#include "platform/views/controls/PathControl.h"
#include "platform/windows/Menu.h"

using platform::PathControl;
using platform::Ref;

const Ref<CUI_PathControlDelegate>& CUI_PathControlDelegate::shared() {
    static const Ref<CUI_PathControlDelegate> delegate =
        std::make_shared<CUI_PathControlDelegate>();
    return delegate;
}

std::uint64_t
CUI_PathControlDelegate::pathControlValidateDrop(const Ref<PathControl>& pathControl,
                                                 const Ref<platform::DraggingInfo>& info) {
    DialogEventSetLongVal(static_cast<std::int64_t>(platform::DragOperation::Copy));
    ForwardElementDelegateEvent(*pathControl, PathControlEvent::ValidateDrop, info);
    return static_cast<std::uint64_t>(DialogEventLongVal());
}

bool CUI_PathControlDelegate::pathControlAcceptDrop(const Ref<PathControl>& pathControl,
                                                    const Ref<platform::DraggingInfo>& info) {
    DialogEventSetBoolVal(true);
    ForwardElementDelegateEvent(*pathControl, PathControlEvent::AcceptDrop, info);
    return DialogEventBoolVal();
}

void CUI_PathControlDelegate::pathControlWillDisplayOpenPanel(
    const Ref<PathControl>& pathControl, const Ref<platform::OpenPanel>& openPanel) {
    ForwardElementDelegateEvent(*pathControl, PathControlEvent::WillDisplayOpenPanel, openPanel);
}

void CUI_PathControlDelegate::pathControlWillPopUpMenu(const Ref<PathControl>& pathControl,
                                                       const Ref<platform::Menu>& menu) {
    ForwardElementDelegateEvent(*pathControl, PathControlEvent::WillPopUpMenu, menu);
}

void CUI_PathControlDelegate::singleAction(const Ref<platform::Object>& sender) {
    if (const auto view = std::dynamic_pointer_cast<platform::View>(sender))
        ControlAction(view);
}

void CUI_PathControlDelegate::doubleAction(const Ref<platform::Object>& sender) {
    if (const auto view = std::dynamic_pointer_cast<platform::View>(sender))
        ForwardElementDelegateEvent(*view, PathControlEvent::DoubleAction, nullptr);
}
