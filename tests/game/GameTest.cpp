// The game played through its real window, console, input window and alerts, with a scripted
// player typing at the prompts and a fixed random seed.

#include "game/Pondaro.h"

#include "GameTesting.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "runtime/console/ConsoleOperations.h"
#include "runtime/core/TempPStrStack.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

using platform::testing::Key;
using platform::testing::ModalScript;
using namespace game_testing;

namespace {

// A rank the player holds, as typed at the card prompt.
std::string HeldRank() {
    static const char* const letters[] = {"",  "A", "2", "3",  "4", "5", "6",
                                          "7", "8", "9", "10", "J", "Q", "K"};
    for (int rank = 1; rank <= 13; ++rank)
        if (Game().playerHand.at(rank, 0) > 0)
            return letters[rank];
    return "A";
}

class GameTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { StartOnce(); }
    void SetUp() override {
        std::srand(7);
        NewDeal();
        ConsoleClear();
        gQVStk() = 0;
    }
    void TearDown() override { EXPECT_EQ(gQVStk(), 0) << "the temporary string stack leaked"; }
};

} // namespace

TEST_F(GameTest, EveryDealLeavesThirtyFourCardsAndEveryRankWhole) {
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::srand(seed);
        NewDeal();
        GameState& game = Game();
        EXPECT_EQ(game.pileCount, 34);
        int ranksBooked = 0;
        int pileTotal = 0;
        for (int rank = 1; rank <= 13; ++rank) {
            const int cards =
                game.pile.at(rank, 0) + game.playerHand.at(rank, 0) + game.cpuHand.at(rank, 0);
            EXPECT_TRUE(cards == 4 || cards == 0) << "rank " << rank;
            ranksBooked += cards == 0;
            pileTotal += game.pile.at(rank, 0);
        }
        EXPECT_EQ(pileTotal, 34);
        EXPECT_EQ(ranksBooked, game.books.at<0>() + game.books.at<1>());
    }
}

TEST_F(GameTest, CardsAreNamedForMessagesAndForDisplay) {
    struct Case {
        std::int16_t rank;
        const char* name;
    };
    for (const Case& c : {Case{1, "Ace"}, Case{2, " 2"}, Case{10, " 10"}, Case{11, "jack"},
                          Case{12, "Queen"}, Case{13, "King"}}) {
        const PStr name = CardName(c.rank);
        EXPECT_EQ(std::string(name.begin() + 1, name.begin() + 1 + name[0]), c.name);
    }
    struct Display {
        const char* text;
        const char* shown;
    };
    for (const Display& d :
         {Display{"j", "Jack"}, Display{"Q", "Queen"}, Display{"k", "King"}, Display{"a", "Ace"},
          Display{"0", "10"}, Display{"jack", "jack"}, Display{" 7", " 7"}, Display{"x", "x"}}) {
        const PStr shown = RankDisplayName(PStrLiteral(d.text));
        EXPECT_EQ(std::string(shown.begin() + 1, shown.begin() + 1 + shown[0]), d.shown);
    }
}

TEST_F(GameTest, ARankNotHeldIsRefusedThenAMissDrawsFromThePile) {
    GameState& game = Game();
    Deal(game.playerHand, {1, 3});
    Deal(game.cpuHand, {5});
    const std::int16_t pile = game.pileCount;
    ModalScript script;
    script.run().type("7").press(Key::Return);
    script.run().type("A").press(Key::Return);

    EXPECT_EQ(PlayerTurn(), TurnEnd::TurnPassed);
    const auto lines = ConsoleLines();
    EXPECT_TRUE(Printed("Ann asked For a 7")) << Joined(lines);
    EXPECT_TRUE(Printed("You don//t have that card!")) << Joined(lines);
    EXPECT_TRUE(Printed("Ann asked For an Ace")) << Joined(lines);
    EXPECT_TRUE(Printed("Ann, Pondaro!")) << Joined(lines);
    EXPECT_EQ(game.pileCount, pile - 1);
    EXPECT_EQ(game.playerHand.at(game.currentRank, 0) > 0, true);
}

TEST_F(GameTest, TheCpuAsksForWhatThePlayerAskedAndKeepsTheMarkForTheDeal) {
    GameState& game = Game();
    Deal(game.cpuHand, {9, 4});
    Deal(game.playerHand, {3});
    game.playerAsked.at(9, 0) = 1;

    EXPECT_EQ(CpuTurn(), TurnEnd::TurnPassed);
    EXPECT_TRUE(Printed("CPU wants your  9's.")) << Joined(ConsoleLines());
    EXPECT_TRUE(Printed("CPU, pondaro!")) << Joined(ConsoleLines());
    EXPECT_EQ(game.playerAsked.at(9, 0), 0);
    EXPECT_EQ(game.cpuCandidate.at(9, 0), 1);
}

struct Ending {
    const char* name;
    std::int16_t playerBooks;
    std::int16_t cpuBooks;
    const char* line;
    const char* alertMessage;
    friend std::ostream& operator<<(std::ostream& out, const Ending& e) { return out << e.name; }
};

class GameOverTest : public GameTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(GameOverTest, PrintsTheResultAndAsksToPlayAgain) {
    GameState& game = Game();
    game.pileCount = 0;
    game.books.at<0>() = GetParam().playerBooks;
    game.books.at<1>() = GetParam().cpuBooks;
    std::optional<platform::testing::ShownAlert> shown;
    ModalScript script;
    script.everyRun([&](ModalScript& s) {
        shown = platform::testing::shownAlert();
        s.run().clickButton(1);
    });

    EXPECT_EQ(CheckGameOver(), 1);
    EXPECT_TRUE(Printed("*** Game Over! ***"));
    EXPECT_TRUE(Printed(GetParam().line)) << Joined(ConsoleLines());
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->messageText, GetParam().alertMessage);
    EXPECT_EQ(shown->informativeText, "Game Over");
    EXPECT_EQ(shown->buttonTitles, (std::vector<std::string>{"Quit", "Play Again"}));
}

INSTANTIATE_TEST_SUITE_P(Results, GameOverTest,
                         ::testing::Values(Ending{"Tie", 6, 6, "It's a tie!", "It's a tie!."},
                                           Ending{"PlayerWins", 7, 6, "Ann has won.", "You Won!"},
                                           Ending{"CpuWins", 6, 7, "The CPU has won.",
                                                  "the CPU won!"}),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

namespace {

// Plays whole games in a child process: the player asks for ranks it holds, and at the end of
// each game either plays again or quits. Prints the console to the standard error stream when
// the process ends, for the parent to read.
[[noreturn]] void PlayGames(int games) {
    static int gamesLeft = games;
    std::atexit([] { std::fputs(Joined(ConsoleLines()).c_str(), stderr); });
    ModalScript* script = new ModalScript;
    script->everyRun([](ModalScript& s) {
        if (platform::testing::shownAlert())
            s.run().clickButton(--gamesLeft > 0 ? 1 : 0);
        else
            s.run().type(HeldRank()).press(Key::Return);
    });
    std::srand(11);
    NewDeal();
    ConsoleClear();
    GameLoop();
}

} // namespace

TEST(WholeGameDeathTest, PlayAgainDealsAFreshGameForTheSamePlayer) {
    EXPECT_EXIT(
        {
            StartGame();
            PStrCopy(Game().playerName, PStrLiteral("Ann"));
            PlayGames(2);
        },
        ::testing::ExitedWithCode(0), "Points >> Ann: 0  CPU: 0");
}
