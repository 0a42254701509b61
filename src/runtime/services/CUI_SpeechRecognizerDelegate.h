#pragma once

// The delegate a program gives a speech recognizer. A recognized command is stored in
// commandVal, and then the program's function is called with the recognizer, 0 and the user
// data; nothing is called while no callback is set.

#include "platform/foundation/Object.h"
#include "platform/services/SpeechRecognizerDelegate.h"

#include <cstdint>

class CUI_SpeechRecognizerDelegate : public platform::Object,
                                     public platform::SpeechRecognizerDelegate {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& recognizer,
                              std::int64_t message, void* userData);

    explicit CUI_SpeechRecognizerDelegate(Callback initial = nullptr, void* data = nullptr)
        : callback_(initial), userData_(data) {}

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }
    platform::Ref<platform::String> commandVal() const { return commandVal_; }
    void setCommandVal(const platform::Ref<platform::String>& value) { commandVal_ = value; }

    void
    speechRecognizerDidRecognizeCommand(const platform::Ref<platform::SpeechRecognizer>& sender,
                                        const platform::Ref<platform::String>& command) override;

private:
    Callback callback_;
    void* userData_;
    platform::Ref<platform::String> commandVal_;
};
