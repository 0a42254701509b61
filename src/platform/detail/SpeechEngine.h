#pragma once

#include "platform/foundation/Geometry.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform::detail {

// One thing the engine met while synthesizing, placed in the text and in the sound.
struct SpeechMark {
    enum class Kind { Word, Phoneme, Sync };
    Kind kind = Kind::Word;
    Range range;              // the word's UTF-16 range in the text given
    std::int16_t opcode = 0;  // the phoneme's opcode
    std::int64_t sync = 0;    // the number of a [[sync N]] command
    std::int64_t audioMs = 0; // where in the sound it begins
};

struct SpeechVoice {
    std::string identifier;
    std::string name;
    std::string language;
};

struct SpeechRequest {
    std::u16string text;
    std::string voice;
    int rate = 175;   // words per minute
    int volume = 100; // the engine's scale, 100 normal
};

// The speech engine (espeak-ng) behind every synthesizer. The library is one per process, so
// synthesis runs one request at a time, on whichever thread asks.
class SpeechEngine {
public:
    static const std::vector<SpeechVoice>& voices();
    static std::string defaultVoice();
    static int sampleRate();
    // The engine's name of a phoneme opcode; opcode 0 is the pause "_".
    static std::string phonemeName(std::int16_t opcode);

    // Synthesizes the request into samples (mono, 16-bit, sampleRate()), telling each mark as it
    // is produced. Returns false with a message on failure; a raised stop flag ends synthesis
    // early (and still returns true).
    static bool synthesize(const SpeechRequest& request,
                           const std::function<void(const SpeechMark&)>& onMark,
                           std::vector<std::int16_t>* samples, const std::atomic<bool>& stop,
                           std::string* error);
};

} // namespace platform::detail
