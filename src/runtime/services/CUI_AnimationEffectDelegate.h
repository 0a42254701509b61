#pragma once

// Told of the end of an animation effect: one call of the program's function with the context
// the effect was shown with. Without a function nothing is called.

#include "platform/foundation/Object.h"
#include "platform/services/AnimationEffect.h"

class CUI_AnimationEffectDelegate : public platform::Object,
                                    public platform::AnimationEffectDelegate {
public:
    using Callback = void (*)(void* contextInfo);

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }

    void animationEffectDidEnd(void* contextInfo) override {
        if (callback_)
            callback_(contextInfo);
    }

private:
    Callback callback_ = nullptr;
};
