#include "runtime/services/CUI_SpeechRecognizerDelegate.h"

#include "platform/foundation/String.h"
#include "platform/services/SpeechRecognizer.h"

void CUI_SpeechRecognizerDelegate::speechRecognizerDidRecognizeCommand(
    const platform::Ref<platform::SpeechRecognizer>& sender,
    const platform::Ref<platform::String>& command) {
    commandVal_ = command;
    if (callback_)
        callback_(sender, 0, userData_);
}
