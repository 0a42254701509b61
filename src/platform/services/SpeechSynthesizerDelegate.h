#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class SpeechSynthesizer;

// What a speech synthesizer tells its delegate, on the main thread; nothing by default.
class SpeechSynthesizerDelegate {
public:
    virtual ~SpeechSynthesizerDelegate();
    // The word at characterRange (UTF-16 units of text) is about to be spoken.
    virtual void speechSynthesizerWillSpeakWord(const Ref<SpeechSynthesizer>& sender,
                                                Range characterRange, const Ref<String>& text);
    // The phoneme with this opcode (SpeechSynthesizer::phonemeName) is about to be spoken.
    virtual void speechSynthesizerWillSpeakPhoneme(const Ref<SpeechSynthesizer>& sender,
                                                   std::int16_t opcode);
    virtual void speechSynthesizerDidEncounterError(const Ref<SpeechSynthesizer>& sender,
                                                    std::uint64_t characterIndex,
                                                    const Ref<String>& text,
                                                    const Ref<String>& message);
    // A [[sync N]] mark of the text was reached; the message is the number N.
    virtual void speechSynthesizerDidEncounterSyncMessage(const Ref<SpeechSynthesizer>& sender,
                                                          const Ref<Object>& message);
    // Speaking ended: finished is false when it was stopped or failed.
    virtual void speechSynthesizerDidFinishSpeaking(const Ref<SpeechSynthesizer>& sender,
                                                    bool finished);
};

} // namespace platform
