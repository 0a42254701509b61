#pragma once

// The delegate of a program's animation: each message becomes one call of the program's function
// with a code (AnimationDelegateEvent), the animation and the user data, with the message's
// values in the delegate's fields first. The questions answer from the fields as the function
// left them.

#include "platform/foundation/Object.h"
#include "platform/services/Animation.h"

#include <cstdint>

namespace AnimationDelegateEvent {
inline constexpr std::int64_t DidEnd = 0;
inline constexpr std::int64_t DidStop = 1;
inline constexpr std::int64_t ShouldStart = 2;
inline constexpr std::int64_t ValueForProgress = 3;
inline constexpr std::int64_t DidReachProgressMark = 4;
} // namespace AnimationDelegateEvent

class CUI_AnimationDelegate : public platform::Object, public platform::AnimationDelegate {
public:
    using Callback = void (*)(std::int64_t code, const platform::Ref<platform::Object>& animation,
                              void* userData);

    bool shouldStart() const { return shouldStart_; }
    void setShouldStart(bool value) { shouldStart_ = value; }
    float progress() const { return progress_; }
    void setProgress(float value) { progress_ = value; }
    float valueForProgress() const { return valueForProgress_; }
    void setValueForProgress(float value) { valueForProgress_ = value; }
    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }

    // Answers shouldStart, which is true unless the callback says otherwise.
    bool animationShouldStart(const platform::Ref<platform::Animation>& animation) override;
    void animationDidStop(const platform::Ref<platform::Animation>& animation) override;
    void animationDidEnd(const platform::Ref<platform::Animation>& animation) override;
    // Answers valueForProgress, which starts as the curve's value at the progress.
    float animationValueForProgress(const platform::Ref<platform::Animation>& animation,
                                    float progress) override;
    void animationDidReachProgressMark(const platform::Ref<platform::Animation>& animation,
                                       float mark) override;

private:
    // Calls the callback when one is set.
    void call(std::int64_t code, const platform::Ref<platform::Animation>& animation);

    bool shouldStart_ = true;
    float progress_ = 0;
    float valueForProgress_ = 0;
    Callback callback_ = nullptr;
    void* userData_ = nullptr;
};
