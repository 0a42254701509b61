#pragma once

// The delegate a program gives a speech synthesizer. Each message stores its values in the
// fields below and then calls the program's function with the synthesizer, the message's code
// (SpeechMessage) and the user data; nothing is called while no callback is set.
//
//     word      rangeVal (UTF-16 units), stringVal (the whole text)
//     phoneme   phonemeOpcodeVal
//     error     characterIndexVal, stringVal, messageVal (a string)
//     sync      messageVal (the number of the [[sync N]] command)
//     finished  finishedSpeakingVal (false when stopped or failed)

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"
#include "platform/services/SpeechSynthesizerDelegate.h"

#include <cstdint>

namespace SpeechMessage {
inline constexpr std::int64_t WillSpeakWord = 0;
inline constexpr std::int64_t WillSpeakPhoneme = 1;
inline constexpr std::int64_t DidEncounterError = 2;
inline constexpr std::int64_t DidEncounterSyncMessage = 3;
inline constexpr std::int64_t DidFinishSpeaking = 4;
} // namespace SpeechMessage

class CUI_SpeechSynthesizerDelegate : public platform::Object,
                                      public platform::SpeechSynthesizerDelegate {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& synthesizer,
                              std::int64_t message, void* userData);

    explicit CUI_SpeechSynthesizerDelegate(Callback initial = nullptr, void* data = nullptr)
        : callback_(initial), userData_(data) {}

    bool finishedSpeakingVal() const { return finishedSpeakingVal_; }
    void setFinishedSpeakingVal(bool value) { finishedSpeakingVal_ = value; }
    std::int16_t phonemeOpcodeVal() const { return phonemeOpcodeVal_; }
    void setPhonemeOpcodeVal(std::int16_t value) { phonemeOpcodeVal_ = value; }
    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }
    platform::Ref<platform::String> stringVal() const { return stringVal_; }
    void setStringVal(const platform::Ref<platform::String>& value) { stringVal_ = value; }
    std::uint64_t characterIndexVal() const { return characterIndexVal_; }
    void setCharacterIndexVal(std::uint64_t value) { characterIndexVal_ = value; }
    platform::Ref<platform::Object> messageVal() const { return messageVal_; }
    void setMessageVal(const platform::Ref<platform::Object>& value) { messageVal_ = value; }
    platform::Range rangeVal() const { return rangeVal_; }
    void setRangeVal(platform::Range value) { rangeVal_ = value; }

    void speechSynthesizerWillSpeakWord(const platform::Ref<platform::SpeechSynthesizer>& sender,
                                        platform::Range characterRange,
                                        const platform::Ref<platform::String>& text) override;
    void speechSynthesizerWillSpeakPhoneme(const platform::Ref<platform::SpeechSynthesizer>& sender,
                                           std::int16_t opcode) override;
    void
    speechSynthesizerDidEncounterError(const platform::Ref<platform::SpeechSynthesizer>& sender,
                                       std::uint64_t characterIndex,
                                       const platform::Ref<platform::String>& text,
                                       const platform::Ref<platform::String>& message) override;
    void speechSynthesizerDidEncounterSyncMessage(
        const platform::Ref<platform::SpeechSynthesizer>& sender,
        const platform::Ref<platform::Object>& message) override;
    void
    speechSynthesizerDidFinishSpeaking(const platform::Ref<platform::SpeechSynthesizer>& sender,
                                       bool finished) override;

private:
    void call(const platform::Ref<platform::SpeechSynthesizer>& sender, std::int64_t message);

    bool finishedSpeakingVal_ = false;
    std::int16_t phonemeOpcodeVal_ = 0;
    Callback callback_;
    void* userData_;
    platform::Ref<platform::String> stringVal_;
    std::uint64_t characterIndexVal_ = 0;
    platform::Ref<platform::Object> messageVal_;
    platform::Range rangeVal_;
};
