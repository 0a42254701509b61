#include "runtime/shell/CUI_AlertDelegate.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"

#include "platform/windows/Alert.h"

using platform::Ref;

void CUI_AlertDelegate::alertDidEndReturnCodeContextInfo(const Ref<platform::Alert>& alert,
                                                         std::int64_t returnCode, void*) {
    lastSuppressionButtonState_ = alert->suppressionButton()->state();
    DialogCallbackCall(AlertEvent::Ended, returnCode, Additions::tag(*alert), nullptr);
}

bool CUI_AlertDelegate::alertShowHelp(const Ref<platform::Alert>& alert) {
    DialogEventSetBoolVal(false);
    const std::int64_t tag = Additions::tag(*alert);
    DialogCallbackCall(AlertEvent::HelpRequested, tag, tag, nullptr);
    return DialogEventBoolVal();
}

Ref<CUI_AlertDelegate> sharedAlertDelegate() {
    static const Ref<CUI_AlertDelegate> delegate = std::make_shared<CUI_AlertDelegate>();
    return delegate;
}
