#pragma once

// The target of a timer that calls a program function with the timer and its user info.

#include "platform/app/Timer.h"
#include "platform/foundation/Object.h"

class CUI_TimerTarget : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Timer>& timer,
                              const platform::Ref<platform::Object>& userInfo);

    CUI_TimerTarget() = default;
    explicit CUI_TimerTarget(Callback initial) : callback_(initial) {}

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }

    // Does nothing while no callback is set.
    void timerFireMethod(const platform::Ref<platform::Timer>& timer) {
        if (callback_ && timer)
            callback_(timer, timer->userInfo());
    }

private:
    Callback callback_ = nullptr;
};
