#include "runtime/services/CUI_SpeechSynthesizerDelegate.h"

#include "platform/foundation/String.h"
#include "platform/services/SpeechSynthesizer.h"

using platform::Ref;

void CUI_SpeechSynthesizerDelegate::call(const Ref<platform::SpeechSynthesizer>& sender,
                                         std::int64_t message) {
    if (callback_)
        callback_(sender, message, userData_);
}

void CUI_SpeechSynthesizerDelegate::speechSynthesizerWillSpeakWord(
    const Ref<platform::SpeechSynthesizer>& sender, platform::Range characterRange,
    const Ref<platform::String>& text) {
    rangeVal_ = characterRange;
    stringVal_ = text;
    call(sender, SpeechMessage::WillSpeakWord);
}

void CUI_SpeechSynthesizerDelegate::speechSynthesizerWillSpeakPhoneme(
    const Ref<platform::SpeechSynthesizer>& sender, std::int16_t opcode) {
    phonemeOpcodeVal_ = opcode;
    call(sender, SpeechMessage::WillSpeakPhoneme);
}

void CUI_SpeechSynthesizerDelegate::speechSynthesizerDidEncounterError(
    const Ref<platform::SpeechSynthesizer>& sender, std::uint64_t characterIndex,
    const Ref<platform::String>& text, const Ref<platform::String>& message) {
    characterIndexVal_ = characterIndex;
    stringVal_ = text;
    messageVal_ = message;
    call(sender, SpeechMessage::DidEncounterError);
}

void CUI_SpeechSynthesizerDelegate::speechSynthesizerDidEncounterSyncMessage(
    const Ref<platform::SpeechSynthesizer>& sender, const Ref<platform::Object>& message) {
    messageVal_ = message;
    call(sender, SpeechMessage::DidEncounterSyncMessage);
}

void CUI_SpeechSynthesizerDelegate::speechSynthesizerDidFinishSpeaking(
    const Ref<platform::SpeechSynthesizer>& sender, bool finished) {
    finishedSpeakingVal_ = finished;
    call(sender, SpeechMessage::DidFinishSpeaking);
}
