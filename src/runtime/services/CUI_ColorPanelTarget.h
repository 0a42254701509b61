#pragma once

// The target of the colour panel's action. With a callback it calls it with the panel's colour
// and its user data; without one it hands the colour to the dialog callback as
// ColorPanelEvent::Action, in the shared event record's colorObj and as the object.

#include "platform/foundation/Object.h"

namespace platform {
class Color;
}

class CUI_ColorPanelTarget : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Color>& color, void* userData);

    explicit CUI_ColorPanelTarget(Callback initial = nullptr, void* data = nullptr)
        : callback_(initial), userData_(data) {}

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }

    // The action the panel sends; the sender is the colour panel.
    void action(const platform::Ref<platform::Object>& sender);

private:
    Callback callback_;
    void* userData_;
};
