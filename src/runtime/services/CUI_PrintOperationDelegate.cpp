#include "runtime/services/CUI_PrintOperationDelegate.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/services/PrintOperation.h"

void CUI_PrintOperationDelegate::printOperationDidRunSuccessContextInfo(
    const platform::Ref<platform::PrintOperation>& operation, bool success, void* context) {
    if (callback_) {
        callback_(operation, success, context);
        return;
    }
    DialogEventSetBoolVal(success);
    DialogEventSetContext(context);
    DialogCallbackCall(PrintEvent::OperationDidRun, 0, 0, operation);
}
