#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

namespace platform {

class SpeechRecognizerDelegate;
class String;
class URL;
struct RecognizerFeed;
struct RecognizerInput;

// Listens for spoken commands of a list (in English), on the default audio input or in a
// recording. Recognition runs on a thread of its own; the delegate hears of each command on the
// main thread. Speech that is not one of the commands is ignored, as are commands with a word
// the engine does not know.
class SpeechRecognizer : public Object {
public:
    static Ref<SpeechRecognizer> create();
    ~SpeechRecognizer() override;

    std::vector<Ref<String>> commands() const { return commands_; }
    // Heard from the next start of listening.
    void setCommands(std::vector<Ref<String>> commands) { commands_ = std::move(commands); }

    // Each is false when already listening or when the engine's model is not installed;
    // listening to the audio input is false too without an input device, and listening to a
    // file when it holds no WAVE sound. Listening to a file ends by itself at its end.
    bool startListening();
    bool startListeningToFile(const URL& file);
    void stopListening();
    bool isListening() const { return listening_; }

    std::shared_ptr<SpeechRecognizerDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<SpeechRecognizerDelegate>& delegate) {
        delegate_ = delegate;
    }

private:
    SpeechRecognizer() = default;
    void start(std::shared_ptr<RecognizerFeed> feed);
    // Runs the message on the main thread unless this listening has ended by then.
    void post(std::uint64_t session, void (*message)(SpeechRecognizer&, std::size_t),
              std::size_t index);
    void tell(std::size_t index);
    void end();

    std::vector<Ref<String>> commands_;
    std::weak_ptr<SpeechRecognizerDelegate> delegate_;
    bool listening_ = false;
    std::uint64_t session_ = 0;
    // The commands as they were when listening started.
    std::vector<Ref<String>> listened_;
    std::shared_ptr<RecognizerFeed> feed_;
    std::unique_ptr<RecognizerInput> input_;
    std::thread thread_;
};

} // namespace platform
