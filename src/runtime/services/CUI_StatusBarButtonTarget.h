#pragma once

// The target of a status item's click. It calls the program's function with the sender (the
// status item), its user data, and the sender again, and does nothing while no callback is set.
//
//     item->setTarget(target);
//     item->setAction(CUI_StatusBarButtonTarget::actionSelector());

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

class CUI_StatusBarButtonTarget : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& sender, void* userData,
                              const platform::Ref<platform::Object>& button);

    explicit CUI_StatusBarButtonTarget(Callback initial = nullptr, void* data = nullptr)
        : callback_(initial), userData_(data) {}

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }

    void action(const platform::Ref<platform::Object>& sender);
    // The message that reaches action, made once.
    static const platform::Selector& actionSelector();

private:
    Callback callback_;
    void* userData_;
};
