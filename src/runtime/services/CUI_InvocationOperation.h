#pragma once

// An operation that calls a program function with an object on a worker thread of the queue it
// is added to; its completion block, when set, runs on the main thread afterwards.

#include "platform/services/Operation.h"

class CUI_InvocationOperation : public platform::InvocationOperation {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& object);

    // The operation sends action to itself with the object.
    CUI_InvocationOperation(Callback initial, platform::Ref<platform::Object> object)
        : platform::InvocationOperation(
              nullptr, platform::Selector("action:", &CUI_InvocationOperation::action),
              std::move(object)),
          callback_(initial) {}

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }

    // Does nothing while no callback is set.
    void action(const platform::Ref<platform::Object>& object) {
        if (callback_)
            callback_(object);
    }

private:
    Callback callback_;
};
