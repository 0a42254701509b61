#pragma once

// The delegate a program gives a stream: each event of the stream calls the program's function
// with the stream, the stream's event code (platform::StreamEvent) and the user data. Nothing is
// called while no callback is set.

#include "platform/foundation/Object.h"
#include "platform/services/StreamDelegate.h"

#include <cstdint>

class CUI_StreamDelegate : public platform::Object, public platform::StreamDelegate {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& stream, std::uint64_t event,
                              void* userData);

    explicit CUI_StreamDelegate(Callback initial = nullptr, void* data = nullptr)
        : callback_(initial), userData_(data) {}

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }

    void streamHandleEvent(const platform::Ref<platform::Stream>& stream,
                           std::uint64_t event) override;

private:
    Callback callback_;
    void* userData_;
};
