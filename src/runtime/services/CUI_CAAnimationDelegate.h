#pragma once

// The delegate of a program's layer animation: its start and its stop each become one call of the
// program's function with a code (CAAnimationDelegateEvent), the animation and the user data;
// whether the animation ran to its end is in `finished` first. Without a function nothing is
// called.

#include "platform/foundation/Object.h"
#include "platform/services/LayerAnimation.h"

#include <cstdint>

namespace CAAnimationDelegateEvent {
inline constexpr std::int64_t DidStart = 0;
inline constexpr std::int64_t DidStop = 1;
} // namespace CAAnimationDelegateEvent

class CUI_CAAnimationDelegate : public platform::Object, public platform::LayerAnimationDelegate {
public:
    using Callback = void (*)(std::int64_t code, const platform::Ref<platform::Object>& animation,
                              void* userData);

    bool finished() const { return finished_; }
    void setFinished(bool value) { finished_ = value; }
    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }

    void animationDidStart(const platform::Ref<platform::LayerAnimation>& animation) override;
    void animationDidStopFinished(const platform::Ref<platform::LayerAnimation>& animation,
                                  bool finished) override;

private:
    bool finished_ = false;
    Callback callback_ = nullptr;
    void* userData_ = nullptr;
};
