// Whole games of the real game loop played by the scripted player, from the name prompt to the
// game's own exit, with the state checked at every prompt and alert. The loop never returns, so
// each run is a death test whose process must end with status 0.

#include "ScriptedPlayer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string EveryResultSeen(const ScriptedPlayer::Tally& tally) {
    if (tally.won == 0 || tally.lost == 0 || tally.tied == 0)
        return "not every result came up: " + std::to_string(tally.won) + " won, " +
               std::to_string(tally.lost) + " lost, " + std::to_string(tally.tied) + " tied";
    return {};
}

} // namespace

TEST(ScriptedGamesDeathTest, ManyDealsReachEveryResultThroughPlayAgainAndKeepTheStateWhole) {
    EXPECT_EXIT(ScriptedPlayer::play(
                    {.games = 60, .firstSeed = 1, .quitAtPrompt = 0, .verdict = EveryResultSeen}),
                ::testing::ExitedWithCode(0), "60 games: [0-9]+ won, [0-9]+ lost, [0-9]+ tied");
}

TEST(ScriptedGamesDeathTest, QuittingInTheQuitAlertEndsTheProcessWithStatusZero) {
    EXPECT_EXIT(
        ScriptedPlayer::play({.games = 1, .firstSeed = 5, .quitAtPrompt = 40, .verdict = {}}),
        ::testing::ExitedWithCode(0), "[0-9]+ games: ");
}
