#include "platform/services/SpeechSynthesizerDelegate.h"

namespace platform {

SpeechSynthesizerDelegate::~SpeechSynthesizerDelegate() = default;

void SpeechSynthesizerDelegate::speechSynthesizerWillSpeakWord(const Ref<SpeechSynthesizer>&, Range,
                                                               const Ref<String>&) {}

void SpeechSynthesizerDelegate::speechSynthesizerWillSpeakPhoneme(const Ref<SpeechSynthesizer>&,
                                                                  std::int16_t) {}

void SpeechSynthesizerDelegate::speechSynthesizerDidEncounterError(const Ref<SpeechSynthesizer>&,
                                                                   std::uint64_t,
                                                                   const Ref<String>&,
                                                                   const Ref<String>&) {}

void SpeechSynthesizerDelegate::speechSynthesizerDidEncounterSyncMessage(
    const Ref<SpeechSynthesizer>&, const Ref<Object>&) {}

void SpeechSynthesizerDelegate::speechSynthesizerDidFinishSpeaking(const Ref<SpeechSynthesizer>&,
                                                                   bool) {}

} // namespace platform
