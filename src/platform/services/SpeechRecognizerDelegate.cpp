#include "platform/services/SpeechRecognizerDelegate.h"

namespace platform {

SpeechRecognizerDelegate::~SpeechRecognizerDelegate() = default;

void SpeechRecognizerDelegate::speechRecognizerDidRecognizeCommand(const Ref<SpeechRecognizer>&,
                                                                   const Ref<String>&) {}

} // namespace platform
