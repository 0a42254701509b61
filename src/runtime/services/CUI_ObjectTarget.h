#pragma once

// The target of a message performed with an object (on the main thread, or by an operation):
// it calls a program function with the object.

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

class CUI_ObjectTarget : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& object);

    explicit CUI_ObjectTarget(Callback initial = nullptr) : callback_(initial) {}

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }

    // Does nothing while no callback is set.
    void objectSelector(const platform::Ref<platform::Object>& object) {
        if (callback_)
            callback_(object);
    }
    static const platform::Selector& selector() {
        static const platform::Selector made("objectSelector:", &CUI_ObjectTarget::objectSelector);
        return made;
    }

private:
    Callback callback_;
};
