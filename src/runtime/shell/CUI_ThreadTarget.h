#pragma once

// The target of a thread's entry message: it calls a program function with the object given.

#include "platform/foundation/Object.h"

class CUI_ThreadTarget : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& object);

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }

    // Does nothing while no callback is set.
    void doThread(const platform::Ref<platform::Object>& object) {
        if (callback_)
            callback_(object);
    }

private:
    Callback callback_ = nullptr;
};
