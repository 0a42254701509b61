// What the game prints, line by line and colour by colour, for chosen deals: the status display,
// the player's asks in every outcome, the CPU's turn and the results.

#include "game/Pondaro.h"

#include "GameTesting.h"
#include "platform/foundation/MutableString.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "runtime/core/Random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

using platform::testing::Key;
using platform::testing::ModalScript;
using namespace game_testing;

namespace {

const std::string kHyphens = "-------------------------------------";

// Leaves only this many cards of one rank in the pile, so that a draw is known in advance.
void PileOf(int rank, int count) {
    GameState& game = Game();
    for (int r = 1; r <= 13; ++r)
        game.pile.at(r, 0) = 0;
    game.pile.at(rank, 0) = static_cast<std::int16_t>(count);
    game.pileCount = static_cast<std::int16_t>(count);
}

void NoMarks() {
    for (int rank = 1; rank <= 13; ++rank)
        Game().playerAsked.at(rank, 0) = 0;
}

// The lines of one ask of the player, as far as its echo.
std::vector<std::string> Echo(const std::string& shown) {
    return {"", "{yellow}" + kHyphens, "", "{yellow}Ann asked For " + shown, ""};
}

std::vector<std::string> Lines(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> lines;
    for (const auto& part : parts)
        lines.insert(lines.end(), part.begin(), part.end());
    return lines;
}

struct Transcript {
    const char* name;
    // Arranges the deal on top of a fresh one.
    std::function<void(GameState&)> arrange;
    // What the player types at the card prompts, one answer each; "#n" clicks button n of an
    // alert instead.
    std::vector<std::string> answers;
    // The step played, and how it must end.
    std::function<TurnEnd()> play;
    TurnEnd end;
    std::vector<std::string> lines;
    friend std::ostream& operator<<(std::ostream& out, const Transcript& t) {
        return out << t.name;
    }
};

TurnEnd Status() {
    StatusDisplay();
    return TurnEnd::TurnPassed;
}
TurnEnd Result() {
    return CheckGameOver() ? TurnEnd::GameOver : TurnEnd::TurnPassed;
}

void Books(GameState& game, int player, int cpu) {
    game.pileCount = 0;
    game.books.at<0>() = static_cast<std::int16_t>(player);
    game.books.at<1>() = static_cast<std::int16_t>(cpu);
}

const Transcript kTranscripts[] = {
    {"StatusDisplay",
     [](GameState& g) {
         Deal(g.playerHand, {13, 2, 1, 10, 2});
         g.books.at<0>() = 2;
         g.books.at<1>() = 3;
         g.pileCount = 34;
     },
     {},
     Status,
     TurnEnd::TurnPassed,
     {"", "{green}Points >> {yellow}Ann: {green}2{orange}  CPU: {green}3", "",
      "{white}           34 remaining cards", "", "{white}Your Cards: A 2 2 10 K "}},
    {"AskForOneCard",
     [](GameState& g) {
         Deal(g.playerHand, {3, 8});
         Deal(g.cpuHand, {3, 5});
     },
     {"3"},
     PlayerTurn,
     TurnEnd::AskAgain,
     Lines({Echo("a 3"), {"{white}Ann got 1 card"}})},
    {"AskForTwoCards",
     [](GameState& g) {
         Deal(g.playerHand, {12});
         Deal(g.cpuHand, {12, 12, 5});
     },
     {"q"},
     PlayerTurn,
     TurnEnd::AskAgain,
     Lines({Echo("a Queen"), {"{white}Ann got 2 cards"}})},
    {"AskCompletesABook",
     [](GameState& g) {
         Deal(g.playerHand, {11, 11, 11, 4});
         Deal(g.cpuHand, {11, 6});
     },
     {"j"},
     PlayerTurn,
     TurnEnd::AskAgain,
     Lines({Echo("a Jack"), {"{white}Ann got 1 card", "{cyan}Ann completed the book of Jack's."}})},
    {"RefusedAskThenAMissDraws",
     [](GameState& g) {
         Deal(g.playerHand, {1, 3});
         Deal(g.cpuHand, {5});
         PileOf(9, 1);
     },
     {"7", "A"},
     PlayerTurn,
     TurnEnd::TurnPassed,
     Lines({Echo("a 7"),
            {"{red}You don//t have that card!"},
            Echo("an Ace"),
            {"{white}Ann,{red} Pondaro!", "{white}Ann got a  9.", ""}})},
    {"ExitWordThenResumeGame",
     [](GameState& g) {
         Deal(g.playerHand, {10});
         Deal(g.cpuHand, {10});
     },
     {"x", "#1", "10"},
     PlayerTurn,
     TurnEnd::AskAgain,
     Lines({Echo("a x"),
            {"{red}Sorry, that is not a valid card.", ""},
            Echo("a 10"),
            {"{white}Ann got 1 card"}})},
    {"EmptyAnswerBeforeAnyAsk",
     [](GameState& g) {
         Deal(g.playerHand, {4});
         Deal(g.cpuHand, {4});
         g.lastAskedRank = 0;
     },
     {"", "4"},
     PlayerTurn,
     TurnEnd::AskAgain,
     Lines({Echo("a "),
            {"{red}Sorry, that is not a valid card.", ""},
            Echo("a 4"),
            {"{white}Ann got 1 card"}})},
    {"EmptyAnswerAfterARankNotHeld",
     [](GameState& g) {
         Deal(g.playerHand, {4});
         Deal(g.cpuHand, {4});
         g.lastAskedRank = 7;
     },
     {"", "4"},
     PlayerTurn,
     TurnEnd::AskAgain,
     Lines({Echo("a "),
            {"{red}You don//t have that card!"},
            Echo("a 4"),
            {"{white}Ann got 1 card"}})},
    {"EmptyAnswerAfterAHeldRank",
     [](GameState& g) {
         Deal(g.playerHand, {4});
         Deal(g.cpuHand, {4});
         g.lastAskedRank = 4;
     },
     {"", "4"},
     PlayerTurn,
     TurnEnd::AskAgain,
     Lines({Echo("a "), Echo("a 4"), {"{white}Ann got 1 card"}})},
    {"TenTypedAsTen",
     [](GameState& g) {
         Deal(g.playerHand, {10});
         Deal(g.cpuHand, {10, 10});
     },
     {"10"},
     PlayerTurn,
     TurnEnd::AskAgain,
     Lines({Echo("a 10"), {"{white}Ann got 2 cards"}})},
    {"TenTypedAsZero",
     [](GameState& g) {
         Deal(g.playerHand, {10});
         Deal(g.cpuHand, {10, 10});
     },
     {"0"},
     PlayerTurn,
     TurnEnd::AskAgain,
     Lines({Echo("a 10"), {"{white}Ann got 2 cards"}})},
    {"CpuAsksForAMarkAndDraws",
     [](GameState& g) {
         Deal(g.cpuHand, {9, 4});
         Deal(g.playerHand, {3});
         NoMarks();
         g.playerAsked.at(9, 0) = 1;
         PileOf(6, 2);
     },
     {},
     CpuTurn,
     TurnEnd::TurnPassed,
     {"{orange}" + kHyphens, "", "{orange}CPU wants your  9's.", "", "{white}CPU, {red}pondaro!",
      "{white}CPU got a card from the deck."}},
    {"CpuCompletesABookAndAsksAgain",
     [](GameState& g) {
         Deal(g.cpuHand, {8, 8, 8, 3});
         Deal(g.playerHand, {8, 2});
         NoMarks();
         g.playerAsked.at(8, 0) = 1;
         PileOf(6, 2);
     },
     {},
     CpuTurn,
     TurnEnd::TurnPassed,
     {"{orange}" + kHyphens, "", "{orange}CPU wants your  8's.", "", "{white}CPU got 1 card",
      "{cyan}CPU completed the book of 8's.", "{orange}" + kHyphens, "",
      "{orange}CPU wants your  3's.", "", "{white}CPU, {red}pondaro!",
      "{white}CPU got a card from the deck."}},
    {"CpuFindsNoRankLeftToAskFor",
     [](GameState& g) {
         Deal(g.cpuHand, {5});
         Deal(g.playerHand, {5, 2});
         NoMarks();
     },
     {},
     CpuTurn,
     TurnEnd::TurnPassed,
     {"{orange}" + kHyphens, "", "{orange}CPU wants your  5's.", "", "{white}CPU got 1 card"}},
    {"Tie",
     [](GameState& g) { Books(g, 6, 6); },
     {"#1"},
     Result,
     TurnEnd::GameOver,
     {"{red}*** Game Over! ***", "", "{red}It's a tie!"}},
    {"PlayerWins",
     [](GameState& g) { Books(g, 7, 6); },
     {"#1"},
     Result,
     TurnEnd::GameOver,
     {"{red}*** Game Over! ***", "", "{red}Ann has won.", "", ""}},
    {"CpuWins",
     [](GameState& g) { Books(g, 6, 7); },
     {"#1"},
     Result,
     TurnEnd::GameOver,
     {"{red}*** Game Over! ***", "", "{red}The CPU has won.", "", ""}},
};

class TranscriptTest : public ::testing::TestWithParam<Transcript> {
protected:
    static void SetUpTestSuite() { StartOnce(); }
    void SetUp() override {
        std::srand(7);
        NewDeal();
        ConsoleClear();
    }
};

} // namespace

TEST_P(TranscriptTest, PrintsEachLineInItsColours) {
    const Transcript& transcript = GetParam();
    transcript.arrange(Game());
    ModalScript script;
    for (const std::string& answer : transcript.answers) {
        if (answer.starts_with("#"))
            script.run().clickButton(std::stoi(answer.substr(1)));
        else
            script.run().type(answer).press(Key::Return);
    }

    EXPECT_EQ(transcript.play(), transcript.end);
    EXPECT_EQ(Joined(ConsoleLines(true)), Joined(transcript.lines));
}

INSTANTIATE_TEST_SUITE_P(Game, TranscriptTest, ::testing::ValuesIn(kTranscripts),
                         [](const auto& testCase) { return std::string(testCase.param.name); });

// The line feeds and the markers that keep a line open, as the console recorded the prints.
TEST(TranscriptTextTest, TheStatusDisplayPrintsOpenPiecesAndEndsEachLine) {
    StartOnce();
    ConsoleClear();
    GameState& game = Game();
    Deal(game.playerHand, {1, 10});
    game.books.at<0>() = 0;
    game.books.at<1>() = 12;
    game.pileCount = 7;
    StatusDisplay();
    EXPECT_EQ(ConsoleForWindowTag(1)->textString()->utf8(),
              "\nPoints >> \bAnn: \b0\b  CPU: \b12\n\n" + std::string(11, ' ') +
                  "7 remaining cards\n\nYour Cards: \bA \b10 \b\n");
}

TEST(TranscriptTextTest, TheExitWordAsksWhetherToQuitAndEscapeResumes) {
    StartOnce();
    std::srand(7);
    NewDeal();
    ConsoleClear();
    GameState& game = Game();
    Deal(game.playerHand, {2});
    Deal(game.cpuHand, {2});
    std::optional<platform::testing::ShownAlert> shown;
    ModalScript script;
    script.run().type("X").press(Key::Return);
    script.everyRun([&shown](ModalScript& s) {
        if (const auto alert = platform::testing::shownAlert()) {
            shown = alert;
            s.run().press(Key::Escape);
        } else {
            s.run().type("2").press(Key::Return);
        }
    });

    EXPECT_EQ(PlayerTurn(), TurnEnd::AskAgain);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->messageText, "EXIT");
    EXPECT_EQ(shown->informativeText, "Quit the game?");
    EXPECT_EQ(shown->buttonTitles, (std::vector<std::string>{"Quit", "Resume game"}));
    EXPECT_TRUE(Printed("Ann asked For a X")) << Joined(ConsoleLines());
    EXPECT_TRUE(Printed("Ann got 1 card")) << Joined(ConsoleLines());
}

// The CPU's turn draws a random rank for each try; the generator's later output shows how many
// it drew: the first rank of each ask, then one more after each of the 101 failed tries.
TEST(TranscriptTextTest, TheCpuPassesAfterOneHundredAndOneFailedTries) {
    StartOnce();
    ConsoleClear();
    constexpr unsigned seed = 3;
    std::srand(seed);
    std::vector<std::int32_t> sequence;
    for (int i = 0; i < 400; ++i)
        sequence.push_back(RandomUpTo(13));
    // The first ask tries ranks until it draws the one rank the CPU holds.
    const auto fives = std::find(sequence.begin(), sequence.end(), 5);
    ASSERT_NE(fives, sequence.end());
    const auto firstAskDraws = static_cast<std::size_t>(fives - sequence.begin()) + 1;

    GameState& game = Game();
    NewDeal();
    Deal(game.cpuHand, {5});
    Deal(game.playerHand, {5, 2});
    NoMarks();
    std::srand(seed);
    EXPECT_EQ(CpuTurn(), TurnEnd::TurnPassed);
    EXPECT_EQ(game.currentRank, 0);

    std::vector<std::int32_t> next;
    for (int i = 0; i < 8; ++i)
        next.push_back(RandomUpTo(13));
    const auto after = sequence.begin() + static_cast<std::ptrdiff_t>(firstAskDraws + 1 + 101);
    EXPECT_EQ(next, std::vector<std::int32_t>(after, after + 8));
}

TEST(TranscriptTextTest, ABookDealtCompleteIsLaidDownInCyanBeforePlay) {
    StartOnce();
    GameState& game = Game();
    for (unsigned seed = 1;; ++seed) {
        ASSERT_LT(seed, 5000u) << "no deal with a book";
        ConsoleClear();
        std::srand(seed);
        NewDeal();
        if (game.books.at<0>() + game.books.at<1>() > 0)
            break;
    }
    // Each line names its side and its rank; the player's books come first, then the CPU's,
    // each side's in rank order, and the ranks named are those gone from the pile and the hands.
    static const char* const shown[] = {"",  "Ace", "2", "3",  "4",    "5",     "6",
                                        "7", "8",   "9", "10", "Jack", "Queen", "King"};
    std::vector<int> named[2];
    for (const std::string& line : ConsoleLines(true)) {
        int side = -1;
        int rank = 0;
        for (int s = 0; s < 2; ++s)
            for (int r = 1; r <= 13; ++r)
                if (line == std::string("{cyan}") + (s == 0 ? "Ann" : "CPU") +
                                " completed the book of " + shown[r] + "'s.") {
                    side = s;
                    rank = r;
                }
        ASSERT_NE(side, -1) << line;
        ASSERT_TRUE(side == 1 || named[1].empty()) << "the player's books come first";
        named[side].push_back(rank);
    }
    EXPECT_EQ(static_cast<int>(named[0].size()), game.books.at<0>());
    EXPECT_EQ(static_cast<int>(named[1].size()), game.books.at<1>());
    EXPECT_TRUE(std::is_sorted(named[0].begin(), named[0].end()));
    EXPECT_TRUE(std::is_sorted(named[1].begin(), named[1].end()));
    std::vector<int> booked;
    for (int rank = 1; rank <= 13; ++rank)
        if (game.pile.at(rank, 0) + game.playerHand.at(rank, 0) + game.cpuHand.at(rank, 0) == 0)
            booked.push_back(rank);
    std::vector<int> all = named[0];
    all.insert(all.end(), named[1].begin(), named[1].end());
    std::sort(all.begin(), all.end());
    EXPECT_EQ(all, booked);
}
