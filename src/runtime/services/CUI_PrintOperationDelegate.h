#pragma once

// Hears the end of a print operation. With a callback it calls it; without one it hands the end
// to the dialog callback as PrintEvent::OperationDidRun with the operation as the object, the
// success in the shared event record's boolVal and the context in its context.

#include "platform/foundation/Object.h"

namespace platform {
class PrintOperation;
}

class CUI_PrintOperationDelegate : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::PrintOperation>& operation,
                              bool success, void* context);

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }

    void
    printOperationDidRunSuccessContextInfo(const platform::Ref<platform::PrintOperation>& operation,
                                           bool success, void* context);

private:
    Callback callback_ = nullptr;
};
