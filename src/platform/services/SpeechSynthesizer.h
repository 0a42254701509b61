#pragma once

#include "platform/foundation/Object.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace platform {

class SpeechSynthesizerDelegate;
class String;
class URL;
struct SpeechPlayback;
namespace detail {
struct SpeechMark;
}

// Speaks text to the audio device or into a WAVE file. Synthesis runs on a thread of its own;
// the delegate hears of each word, phoneme and [[sync N]] command of the text, of errors and of
// the end, always on the main thread and always in that order. Into a file the messages come as
// synthesis reaches them; aloud they come as the sound reaches them.
class SpeechSynthesizer : public Object {
public:
    // A synthesizer with the voice (SpeechSynthesizer::availableVoices), or the default voice
    // for none; none when the voice is unknown.
    static Ref<SpeechSynthesizer> create(const Ref<String>& voice = nullptr);
    ~SpeechSynthesizer() override;

    static std::vector<Ref<String>> availableVoices();
    static Ref<String> defaultVoice();
    // The voice's name and language, none for an unknown voice.
    static Ref<String> nameOfVoice(const String& voice);
    static Ref<String> languageOfVoice(const String& voice);
    // The engine's name of a phoneme opcode the delegate was told of, "" for an unknown one.
    static Ref<String> phonemeName(std::int16_t opcode);

    Ref<String> voice() const { return voice_; }
    // False (and the voice unchanged) for an unknown voice or while speaking.
    bool setVoice(const Ref<String>& voice);
    // Words per minute, kept within 80 to 450; 175 at first.
    float rate() const { return rate_; }
    void setRate(float wordsPerMinute);
    // From 0 (silent) to 1 (the engine's normal loudness), the value given being clipped.
    float volume() const { return volume_; }
    void setVolume(float volume);

    std::shared_ptr<SpeechSynthesizerDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<SpeechSynthesizerDelegate>& delegate) {
        delegate_ = delegate;
    }

    // Starts speaking, ending what was being spoken first; false for an empty text.
    bool startSpeakingString(const String& text);
    bool startSpeakingStringToURL(const String& text, const URL& file);
    // Ends speaking now; the delegate hears that speaking did not finish.
    void stopSpeaking();
    bool isSpeaking() const { return speaking_; }

private:
    SpeechSynthesizer() = default;
    using Message = std::function<void(SpeechSynthesizer&)>;
    bool start(const String& text, const std::string& file);
    // Hands the message to the main thread, where it is dropped unless its utterance is still
    // being spoken. Called on the synthesis thread.
    void post(std::uint64_t utterance, Message message);
    void tell(const detail::SpeechMark& mark);
    void fail(const std::string& message);
    void finish(bool finished);
    // Plays the samples on the audio device, telling each mark as the sound reaches it.
    void play(std::vector<std::int16_t> samples, std::vector<detail::SpeechMark> marks);
    void playbackMoved();
    void endThread();

    Ref<String> voice_;
    float rate_ = 175;
    float volume_ = 1;
    std::weak_ptr<SpeechSynthesizerDelegate> delegate_;
    bool speaking_ = false;
    std::uint64_t utterance_ = 0;
    Ref<String> text_;
    std::shared_ptr<std::atomic<bool>> stop_;
    std::thread thread_;
    std::unique_ptr<SpeechPlayback> playback_;
};

} // namespace platform
