// A thousand whole games in one process, dealt from a thousand seeds: the state stays whole at
// every prompt and alert, and the process's memory does not grow from game to game.

#include "ScriptedPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int kGames = 1000;

// The address sanitizer keeps freed memory in quarantine instead of reusing it, so under it the
// resident memory grows by design; its leak check at the end of the process stands in for the
// comparison there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryComparable = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMemoryComparable = false;
#else
constexpr bool kMemoryComparable = true;
#endif
#else
constexpr bool kMemoryComparable = true;
#endif

std::string FiguresPath() {
    return ::testing::TempDir() + "game_soak_memory.txt";
}

long MedianKb(const std::vector<long>& residentKb, int firstGame, int lastGame) {
    std::vector<long> range(residentKb.begin() + firstGame - 1, residentKb.begin() + lastGame);
    std::nth_element(range.begin(), range.begin() + range.size() / 2, range.end());
    return range[range.size() / 2];
}

// Memory settles during the first games (caches, the allocator's pools); after that a game must
// leave nothing behind. A leak of a few kB per game adds megabytes over the run, well above the
// tolerance, which only absorbs the allocator's ups and downs.
std::string MemoryStaysFlat(const ScriptedPlayer::Tally& tally) {
    const long early = MedianKb(tally.residentKb, 100, 200);
    const long late = MedianKb(tally.residentKb, 900, 1000);
    // The figures go to a file as well, for the test in the parent process to show.
    const std::string figures = "resident memory: " + std::to_string(early) +
                                " kB around game 150, " + std::to_string(late) +
                                " kB around game 950";
    std::fprintf(stderr, "%s\n", figures.c_str());
    if (std::FILE* file = std::fopen(FiguresPath().c_str(), "w")) {
        std::fputs(figures.c_str(), file);
        std::fclose(file);
    }
    constexpr long toleranceKb = 3 * 1024;
    if (kMemoryComparable && late > early + toleranceKb)
        return "the resident memory grew from " + std::to_string(early) + " kB to " +
               std::to_string(late) + " kB";
    return {};
}

} // namespace

TEST(GameSoakDeathTest, AThousandGamesKeepTheStateWholeAndTheMemoryFlat) {
    EXPECT_EXIT(
        ScriptedPlayer::play(
            {.games = kGames, .firstSeed = 1000, .quitAtPrompt = 0, .verdict = MemoryStaysFlat}),
        ::testing::ExitedWithCode(0), "1000 games: [0-9]+ won, [0-9]+ lost, [0-9]+ tied");
    std::ifstream figures(FiguresPath());
    std::string line;
    std::getline(figures, line);
    std::printf("%s\n", line.c_str());
}
