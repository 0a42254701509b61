#pragma once

// Internal to the platform: the steps of the recognizers that follow two fingers.

#include "platform/views/gestures/GestureRecognizer.h"

#include <optional>

namespace platform {

// The state a two-finger recognizer moves to when its measure changed by change, or none when
// it stays as it is: it begins with the first change, changes with each later one and ends when
// the fingers lift, if it had begun.
inline std::optional<GestureRecognizerState> nextTwoFingerState(GestureRecognizerState state,
                                                                double change, bool ended) {
    using S = GestureRecognizerState;
    const bool going = state == S::Began || state == S::Changed;
    if (ended)
        return going ? std::optional(S::Ended) : std::nullopt;
    if (change == 0 || (!going && state != S::Possible))
        return std::nullopt;
    return going ? S::Changed : S::Began;
}

} // namespace platform
