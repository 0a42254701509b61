#include "runtime/services/CUI_ResponderTarget.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

void CUI_ResponderTarget::didPresentErrorWithRecoveryContextInfo(bool recovered, void* context) {
    DialogEventSetBoolVal(recovered);
    DialogEventSetContext(context);
    DialogCallbackCall(ErrorEvent::DidPresentError, 0, CurrentOutputWindowTag(), nullptr);
}
