#pragma once

// Recognition of spoken commands on the PocketSphinx engine with its US English model.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct ps_decoder_s;
struct cmd_ln_s;

namespace platform::detail {

// Listens for a fixed list of commands in a stream of speech. Utterances are told apart by the
// silence between them; each is matched against a grammar that allows exactly one command, and
// the match is kept only when the speech fits it closely enough, so that other speech
// is not taken for the nearest command. Not thread-safe: one thread feeds one decoder.
class CommandDecoder {
public:
    // The rate of the samples the decoder takes, mono 16-bit.
    static constexpr int kSampleRate = 16000;

    // Whether the engine's model is installed.
    static bool installed();
    // None when the engine cannot start.
    static std::unique_ptr<CommandDecoder> create(const std::vector<std::string>& commands);
    ~CommandDecoder();

    // The indices of the commands the engine can hear: those whose words are all in its
    // dictionary (case and punctuation aside).
    const std::vector<std::size_t>& usable() const { return usable_; }
    // Takes the next samples; answers the index of each command whose utterance ended in them.
    std::vector<std::size_t> feed(const std::int16_t* samples, std::size_t count);
    // Ends the stream; answers the commands of an utterance still open.
    std::vector<std::size_t> finish();

private:
    CommandDecoder() = default;
    std::vector<std::size_t> endUtterance();

    cmd_ln_s* config_ = nullptr;
    ps_decoder_s* decoder_ = nullptr;
    // The words of each usable command as the engine writes them, and its index in the list.
    std::vector<std::pair<std::string, std::size_t>> phrases_;
    std::vector<std::size_t> usable_;
    bool inSpeech_ = false;
};

} // namespace platform::detail
