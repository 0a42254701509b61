// The game as its user meets it, each measure against a baseline of the same run:
// - the start of the program to the name prompt on screen, against a minimal program on the same
//   toolkit that shows one window with one line of text (and, for comparison, a blank one);
// - a card prompt answered to the next card prompt on screen (median reported);
// - the peak memory after 100 whole games, against the minimal program's.
// Every measure runs in a fresh child process: this program started again in one of the child
// modes below, offscreen.

#include "game/Pondaro.h"

#include "RatioReporter.h"
#include "platform/app/Application.h"
#include "platform/app/MainQueue.h"
#include "platform/foundation/Geometry.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "platform/views/TextField.h"
#include "platform/windows/Window.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

using platform::testing::Key;
using platform::testing::ModalScript;

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kGames = 100;
constexpr int kPromptSamples = 400;

// A field of /proc/self/status in kB.
long StatusKb(const char* field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::stol(line.substr(std::strlen(field)));
    return 0;
}

// Children. Each ends with _Exit, printing its figures on the standard output first.

[[noreturn]] void Report(const std::string& figures) {
    std::fputs(figures.c_str(), stdout);
    std::fflush(stdout);
    std::_Exit(0);
}

// Ends the process at the first pass of the first modal run's loop: its window is on screen.
void EndAtFirstModalPass(bool reportPeak) {
    auto* script = new ModalScript;
    script->everyRun([reportPeak](ModalScript&) {
        platform::MainQueue::async([reportPeak] {
            Report(reportPeak ? std::to_string(StatusKb("VmHWM:")) : std::string());
        });
    });
}

[[noreturn]] void ChildNamePrompt() {
    EndAtFirstModalPass(false);
    StartGame();
    ShowIntro();
    std::_Exit(1);
}

[[noreturn]] void ChildOneWindow(bool reportPeak, bool withText) {
    EndAtFirstModalPass(reportPeak);
    const auto application = platform::Application::shared();
    const auto window = std::make_shared<platform::Window>(platform::Rect(0, 0, 600, 900),
                                                           platform::WindowStyleMask::Titled |
                                                               platform::WindowStyleMask::Closable);
    window->setTitle(platform::String::fromUtf8("Pondaro"));
    // One line of text, as the least a program shows, loads the fonts, as the game must; the
    // blank window shows what that costs.
    if (withText)
        window->contentView()->addSubview(
            platform::TextField::labelWithString(platform::String::fromUtf8("Pondaro")));
    window->center();
    application->runModalForWindow(window);
    std::_Exit(1);
}

// Plays whole games, asking for ranks it holds and playing again after each game. Reports the
// times between one card prompt and the next (in microseconds, one a line) once it has enough of
// them, or the peak memory once it has played enough games.
struct Player {
    bool timingPrompts = false;
    bool named = false;
    int games = 0;
    bool lastPromptValid = false;
    Clock::time_point lastPrompt;
    std::vector<long> intervals;
};

Player& ThePlayer() {
    static Player player;
    return player;
}

std::string HeldRank() {
    static constexpr const char* typed[] = {"",  "A", "2", "3",  "4", "5", "6",
                                            "7", "8", "9", "10", "J", "Q", "K"};
    for (int rank = 1; rank <= 13; ++rank)
        if (Game().playerHand.at(rank, 0) > 0)
            return typed[rank];
    return "A";
}

void PlayerAnswers(ModalScript& script) {
    Player& player = ThePlayer();
    const auto now = Clock::now();
    if (platform::testing::shownAlert()) {
        // The time across the end of a game is no card prompt's.
        player.lastPromptValid = false;
        if (++player.games == kGames && !player.timingPrompts)
            Report(std::to_string(StatusKb("VmHWM:")));
        script.run().clickButton(1);
        return;
    }
    if (!player.named) {
        player.named = true;
        script.run().type("Ann").press(Key::Return);
        return;
    }
    if (player.lastPromptValid) {
        player.intervals.push_back(
            std::chrono::duration_cast<std::chrono::microseconds>(now - player.lastPrompt).count());
        if (player.timingPrompts && player.intervals.size() == kPromptSamples) {
            std::ostringstream out;
            for (const long interval : player.intervals)
                out << interval << "\n";
            Report(out.str());
        }
    }
    player.lastPrompt = now;
    player.lastPromptValid = true;
    script.run().type(HeldRank()).press(Key::Return);
}

[[noreturn]] void ChildPlay(bool timingPrompts) {
    ThePlayer().timingPrompts = timingPrompts;
    auto* script = new ModalScript;
    script->everyRun(PlayerAnswers);
    StartGame();
    ShowIntro();
    std::srand(1);
    NewDeal();
    GameLoop();
}

// The parent's side.

struct ChildRun {
    double seconds = 0;
    std::string output;
    bool succeeded = false;
};

// Runs this program again in a child mode and waits for it to end.
ChildRun RunChild(const char* mode) {
    ChildRun run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    // The toolkit's notices would drown the report; a child that fails says so by its status.
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char self[] = "/proc/self/exe";
    char childFlag[] = "--child";
    std::string modeText = mode;
    char* argv[] = {self, childFlag, modeText.data(), nullptr};
    const auto start = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned == 0) {
        char buffer[4096];
        ssize_t count = 0;
        while ((count = read(pipeEnds[0], buffer, sizeof buffer)) > 0)
            run.output.append(buffer, static_cast<std::size_t>(count));
        int status = 0;
        waitpid(pid, &status, 0);
        run.succeeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
    close(pipeEnds[0]);
    run.seconds = std::chrono::duration<double>(Clock::now() - start).count();
    return run;
}

void TimeStartOf(benchmark::State& state, const char* mode) {
    for (auto _ : state) {
        const ChildRun run = RunChild(mode);
        if (!run.succeeded) {
            state.SkipWithError("the child process failed");
            break;
        }
        state.SetIterationTime(run.seconds);
    }
}

void startToNamePrompt(benchmark::State& state) {
    TimeStartOf(state, "name-prompt");
}
BENCHMARK(startToNamePrompt)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void startToOneWindow(benchmark::State& state) {
    TimeStartOf(state, "one-window");
}
BENCHMARK(startToOneWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

void startToBlankWindow(benchmark::State& state) {
    TimeStartOf(state, "blank-window");
}
BENCHMARK(startToBlankWindow)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

std::vector<long> promptIntervals;

// One iteration per interval measured in the child, so that the mean is theirs; the median is
// printed after the run.
void cardPromptToCardPrompt(benchmark::State& state) {
    if (promptIntervals.empty()) {
        const ChildRun run = RunChild("prompts");
        std::istringstream in(run.output);
        for (long interval = 0; in >> interval;)
            promptIntervals.push_back(interval);
    }
    if (promptIntervals.size() != kPromptSamples) {
        state.SkipWithError("the child process measured no prompts");
        return;
    }
    std::size_t next = 0;
    for (auto _ : state)
        state.SetIterationTime(static_cast<double>(promptIntervals[next++]) * 1e-6);
}
BENCHMARK(cardPromptToCardPrompt)
    ->UseManualTime()
    ->Iterations(kPromptSamples)
    ->Unit(benchmark::kMicrosecond);

long gamesPeakKb = 0;
long windowPeakKb = 0;

void peakMemory(benchmark::State& state) {
    for (auto _ : state) {
        const ChildRun games = RunChild("games");
        const ChildRun window = RunChild("window-memory");
        if (!games.succeeded || !window.succeeded) {
            state.SkipWithError("a child process failed");
            break;
        }
        gamesPeakKb = std::stol(games.output);
        windowPeakKb = std::stol(window.output);
    }
    state.counters["games_peak_kB"] = static_cast<double>(gamesPeakKb);
    state.counters["one_window_peak_kB"] = static_cast<double>(windowPeakKb);
}
BENCHMARK(peakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0) {
        const std::string mode = argv[2];
        if (mode == "name-prompt")
            ChildNamePrompt();
        if (mode == "one-window" || mode == "window-memory" || mode == "blank-window")
            ChildOneWindow(mode == "window-memory", mode != "blank-window");
        if (mode == "prompts" || mode == "games")
            ChildPlay(mode == "prompts");
        return 1;
    }
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("start to the name prompt / start to one window",
                              reporter.time("startToNamePrompt"),
                              reporter.time("startToOneWindow"));
    RatioReporter::printRatio("start to the name prompt / start to a blank window",
                              reporter.time("startToNamePrompt"),
                              reporter.time("startToBlankWindow"));
    if (!promptIntervals.empty()) {
        std::vector<long> sorted = promptIntervals;
        std::sort(sorted.begin(), sorted.end());
        std::printf("card prompt to card prompt, median: %.3f ms\n",
                    static_cast<double>(sorted[sorted.size() / 2]) / 1000.0);
    }
    if (gamesPeakKb > 0 && windowPeakKb > 0)
        std::printf("peak memory after %d games: %ld kB; one window: %ld kB; ratio %.2f\n", kGames,
                    gamesPeakKb, windowPeakKb,
                    static_cast<double>(gamesPeakKb) / static_cast<double>(windowPeakKb));
    return 0;
}
