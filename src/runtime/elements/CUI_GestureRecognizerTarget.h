#pragma once

// The target a program gives its gesture recognizers. Each action forwards the recognizer: to
// the target's callback when it has one, with the tag of the recognizer's view and the user
// data, and to nothing else; without one to the dialog callback, with the gesture's code, the
// view's tag and its window tag. A recognizer without a view is forwarded with tags 0.

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class GestureRecognizer;
}

using GestureCallback = void (*)(const platform::Ref<platform::GestureRecognizer>& recognizer,
                                 std::int64_t tag, void* userData);

class CUI_GestureRecognizerTarget : public platform::Object {
public:
    explicit CUI_GestureRecognizerTarget(GestureCallback function = nullptr, void* data = nullptr)
        : callback_(function), userData_(data) {}

    GestureCallback callback() const { return callback_; }
    void setCallback(GestureCallback function) { callback_ = function; }
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }

    // "action:" forwards as a click.
    void action(const platform::Ref<platform::Object>& recognizer);
    void clickAction(const platform::Ref<platform::Object>& recognizer);
    void magnificationAction(const platform::Ref<platform::Object>& recognizer);
    void panAction(const platform::Ref<platform::Object>& recognizer);
    void pressAction(const platform::Ref<platform::Object>& recognizer);
    void rotationAction(const platform::Ref<platform::Object>& recognizer);

    void forwardGestureRecognizerEvent(const platform::Ref<platform::GestureRecognizer>& recognizer,
                                       std::int64_t code);

private:
    GestureCallback callback_;
    void* userData_;
};
