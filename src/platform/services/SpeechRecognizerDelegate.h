#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class SpeechRecognizer;
class String;

// What a speech recognizer tells its delegate, on the main thread; nothing by default.
class SpeechRecognizerDelegate {
public:
    virtual ~SpeechRecognizerDelegate();
    // One of the recognizer's commands was heard; command is that string of its list.
    virtual void speechRecognizerDidRecognizeCommand(const Ref<SpeechRecognizer>& sender,
                                                     const Ref<String>& command);
};

} // namespace platform
