// Speaking a paragraph into a WAVE file: through the synthesizer and the runtime's delegate,
// waited for on the event loop as programs wait, against the speech engine's own command-line
// program writing the same text to a file.

#include "runtime/services/CUI_SpeechSynthesizerDelegate.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/SpeechSynthesizer.h"
#include "platform/testing/EventWait.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

using platform::Ref;

namespace {

constexpr const char* kText =
    "The dealer shuffles the deck and deals seven cards to each player. The first player lays "
    "a card of the same suit or the same rank on the pile, or draws from the deck when he "
    "cannot. Whoever lays his last card first wins the round, and the others count the points "
    "left in their hands.";

std::filesystem::path target() {
    return std::filesystem::temp_directory_path() / "pondaro-bench-speech.wav";
}

void finished(const Ref<platform::Object>&, std::int64_t message, void* done) {
    if (message == SpeechMessage::DidFinishSpeaking)
        *static_cast<bool*>(done) = true;
}

void synthesizer(benchmark::State& state) {
    const auto speaker = platform::SpeechSynthesizer::create();
    bool done = false;
    // The synthesizer holds its delegate weakly, as programs' objects are held.
    const auto delegate = std::make_shared<CUI_SpeechSynthesizerDelegate>(finished, &done);
    speaker->setDelegate(delegate);
    const auto file =
        platform::URL::fileURLWithPath(*platform::String::fromUtf8(target().string()));
    for (auto _ : state) {
        done = false;
        speaker->startSpeakingStringToURL(*platform::String::fromUtf8(kText), *file);
        platform::testing::runEventsUntil([&] { return done; });
        if (!done || std::filesystem::file_size(target()) <= 44)
            state.SkipWithError("no speech written");
    }
}
BENCHMARK(synthesizer)->Unit(benchmark::kMillisecond);

void commandLine(benchmark::State& state) {
    const std::string command =
        "espeak-ng -w '" + target().string() + "' '" + kText + "' 2>/dev/null";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0 || std::filesystem::file_size(target()) <= 44)
            state.SkipWithError("the speech engine's program did not run");
}
BENCHMARK(commandLine)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    std::filesystem::remove(target());
    RatioReporter::printRatio("speech into a file, synthesizer / the engine's program",
                              reporter.time("synthesizer"), reporter.time("commandLine"));
    return 0;
}
