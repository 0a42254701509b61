// What the game prints, line by line and colour by colour, for chosen deals: the status display,
// the player's asks in every outcome, the CPU's turn and the results with their alerts; and the
// rules no single transcript shows.

#include "game/Pondaro.h"

#include "GameTesting.h"
#include "ScriptedPlayer.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "runtime/core/Random.h"
#include "runtime/core/TempPStrStack.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using platform::testing::Key;
using platform::testing::ModalScript;
using namespace game_testing;

namespace {

// Arranges a fresh deal from a description such as "you 3 8; cpu 3 5; pile 9 1; marks 9; last 7;
// books 6 6; left 34": the hands by rank, the count of the pile's only rank, the ranks the player
// asked for, the rank asked last, the books laid down and the pile's count.
void Arrange(const std::string& deal) {
    std::srand(7);
    NewDeal();
    ConsoleClear();
    GameState& g = Game();
    std::istringstream parts(deal);
    for (std::string part; std::getline(parts, part, ';');) {
        std::istringstream words(part);
        std::string key;
        words >> key;
        std::vector<int> n;
        for (int value; words >> value;)
            n.push_back(value);
        const auto set = [&](RankTable& table, auto count) {
            for (int rank = 1; rank <= 13; ++rank)
                table.at(rank, 0) = static_cast<std::int16_t>(count(rank));
        };
        const auto held = [&](int rank) { return std::count(n.begin(), n.end(), rank); };
        if (key == "you" || key == "cpu")
            set(key == "you" ? g.playerHand : g.cpuHand, held);
        else if (key == "marks")
            set(g.playerAsked, held);
        else if (key == "pile")
            set(g.pile, [&](int rank) { return rank == n[0] ? n[1] : 0; });
        else if (key == "last")
            g.lastAskedRank = static_cast<std::int16_t>(n[0]);
        else if (key == "books") {
            g.books.at<0>() = static_cast<std::int16_t>(n[0]);
            g.books.at<1>() = static_cast<std::int16_t>(n[1]);
        }
        if (key == "pile" || key == "left")
            g.pileCount = static_cast<std::int16_t>(n.back());
    }
}

TurnEnd Status() {
    StatusDisplay();
    return TurnEnd::TurnPassed;
}
TurnEnd Result() {
    return CheckGameOver() ? TurnEnd::GameOver : TurnEnd::TurnPassed;
}

struct Transcript {
    const char* name;
    const char* deal;
    // What the player answers at each modal run, separated by "|": a text typed and Return, "#n"
    // for a click on button n of an alert, "esc" for the Escape key.
    const char* answers;
    TurnEnd (*play)();
    TurnEnd end;
    // The console's lines, each colour run starting with the colour's name in braces; "~" stands
    // for the row of hyphens, "?x" for the player's ask for x up to its echo. A last line
    // "alert ..." is the last alert shown.
    const char* lines;
};

constexpr TurnEnd Again = TurnEnd::AskAgain, Passed = TurnEnd::TurnPassed, Over = TurnEnd::GameOver;

const Transcript kTranscripts[] = {
    {"StatusDisplay", "you 13 2 1 10 2; books 2 3; left 34", "", Status, Passed,
     "\n{green}Points >> {yellow}Ann: {green}2{orange}  CPU: {green}3\n\n"
     "{white}           34 remaining cards\n\n{white}Your Cards: A 2 2 10 K "},
    {"AskForOneCard", "you 3 8; cpu 3 5", "3", PlayerTurn, Again, "?a 3\n{white}Ann got 1 card"},
    {"AskForTwoCards", "you 12; cpu 12 12 5", "q", PlayerTurn, Again,
     "?a Queen\n{white}Ann got 2 cards"},
    {"AskCompletesABook", "you 11 11 11 4; cpu 11 6", "j", PlayerTurn, Again,
     "?a Jack\n{white}Ann got 1 card\n{cyan}Ann completed the book of Jack's."},
    {"RefusedAskThenAMissDraws", "you 1 3; cpu 5; pile 9 1", "7|A", PlayerTurn, Passed,
     "?a 7\n{red}You don//t have that card!\n?an Ace\n{white}Ann,{red} Pondaro!\n"
     "{white}Ann got a  9.\n\n"},
    {"ExitWordThenResume", "you 10; cpu 10", "X|esc|10", PlayerTurn, Again,
     "?a X\n{red}Sorry, that is not a valid card.\n\n?a 10\n{white}Ann got 1 card\n"
     "alert warning [EXIT] [Quit the game?] <Quit> <Resume game>"},
    {"EmptyAnswerBeforeAnyAsk", "you 4; cpu 4; last 0", "|4", PlayerTurn, Again,
     "?a \n{red}Sorry, that is not a valid card.\n\n?a 4\n{white}Ann got 1 card"},
    {"EmptyAnswerAfterARankNotHeld", "you 4; cpu 4; last 7", "|4", PlayerTurn, Again,
     "?a \n{red}You don//t have that card!\n?a 4\n{white}Ann got 1 card"},
    {"EmptyAnswerAfterAHeldRank", "you 4; cpu 4; last 4", "|4", PlayerTurn, Again,
     "?a \n?a 4\n{white}Ann got 1 card"},
    {"TenTypedAsTen", "you 10; cpu 10 10", "10", PlayerTurn, Again,
     "?a 10\n{white}Ann got 2 cards"},
    {"TenTypedAsZero", "you 10; cpu 10 10", "0", PlayerTurn, Again,
     "?a 10\n{white}Ann got 2 cards"},
    {"CpuAsksForAMarkAndDraws", "cpu 9 4; you 3; marks 9; pile 6 2", "", CpuTurn, Passed,
     "{orange}~\n\n{orange}CPU wants your  9's.\n\n{white}CPU, {red}pondaro!\n"
     "{white}CPU got a card from the deck."},
    {"CpuCompletesABookAndAsksAgain", "cpu 8 8 8 3; you 8 2; marks 8; pile 6 2", "", CpuTurn,
     Passed,
     "{orange}~\n\n{orange}CPU wants your  8's.\n\n{white}CPU got 1 card\n"
     "{cyan}CPU completed the book of 8's.\n{orange}~\n\n{orange}CPU wants your  3's.\n\n"
     "{white}CPU, {red}pondaro!\n{white}CPU got a card from the deck."},
    {"CpuFindsNoRankLeftToAskFor", "cpu 5; you 5 2; marks", "", CpuTurn, Passed,
     "{orange}~\n\n{orange}CPU wants your  5's.\n\n{white}CPU got 1 card"},
    {"Tie", "books 6 6; left 0", "#1", Result, Over,
     "{red}*** Game Over! ***\n\n{red}It's a tie!\n"
     "alert warning [It's a tie!.] [Game Over] <Quit> <Play Again>"},
    {"PlayerWins", "books 7 6; left 0", "#1", Result, Over,
     "{red}*** Game Over! ***\n\n{red}Ann has won.\n\n\n"
     "alert warning [You Won!] [Game Over] <Quit> <Play Again>"},
    {"CpuWins", "books 6 7; left 0", "#1", Result, Over,
     "{red}*** Game Over! ***\n\n{red}The CPU has won.\n\n\n"
     "alert warning [the CPU won!] [Game Over] <Quit> <Play Again>"},
    {"NoResultWhileCardsAreLeft", "books 6 7; left 1", "", Result, Passed, ""},
};

std::string Expanded(const std::string& lines) {
    const std::string hyphens(37, '-');
    std::string out;
    std::istringstream in(lines);
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("?"))
            line = "\n{yellow}" + hyphens + "\n\n{yellow}Ann asked For " + line.substr(1) + "\n";
        else if (const auto tilde = line.find('~'); tilde != std::string::npos)
            line.replace(tilde, 1, hyphens);
        out += line + "\n";
    }
    return out;
}

} // namespace

TEST(TranscriptTest, EachDealPrintsItsLinesInTheirColoursAndShowsItsAlert) {
    StartOnce();
    for (const Transcript& t : kTranscripts) {
        SCOPED_TRACE(t.name);
        Arrange(t.deal);
        gQVStk() = 0;
        std::vector<std::string> answers;
        std::istringstream in(std::string(t.answers) + "|");
        for (std::string answer; std::getline(in, answer, '|');)
            answers.push_back(answer);
        if (answers.size() == 1 && answers[0].empty())
            answers.clear();
        std::size_t next = 0;
        std::string alert;
        ModalScript script;
        script.everyRun([&](ModalScript& s) {
            if (const auto shown = platform::testing::shownAlert())
                alert = shown->description() + "\n";
            const std::string answer = next < answers.size() ? answers[next++] : "x";
            if (answer.starts_with("#"))
                s.run().clickButton(std::stoi(answer.substr(1)));
            else if (answer == "esc")
                s.run().press(Key::Escape);
            else
                s.run().type(answer).press(Key::Return);
        });
        EXPECT_EQ(t.play(), t.end);
        EXPECT_EQ(next, answers.size());
        EXPECT_EQ(Joined(ConsoleLines(true)) + alert, Expanded(t.lines));
        EXPECT_EQ(gQVStk(), 0) << "the temporary string stack leaked";
    }
}

TEST(GameRulesTest, CardsAreNamedForMessagesAndForDisplay) {
    const auto text = [](const PStr& s) {
        return std::string(s.begin() + 1, s.begin() + 1 + s[0]);
    };
    std::string names;
    for (const int rank : {1, 2, 10, 11, 12, 13})
        names += text(CardName(static_cast<std::int16_t>(rank))) + "|";
    EXPECT_EQ(names, "Ace| 2| 10|jack|Queen|King|");
    std::string shown;
    for (const char* typed : {"j", "Q", "k", "a", "0", "jack", " 7", "x"})
        shown += text(RankDisplayName(PStrLiteral(typed))) + "|";
    EXPECT_EQ(shown, "Jack|Queen|King|Ace|10|jack| 7|x|");
}

// A book dealt complete is laid down before play, in cyan, the player's before the CPU's.
TEST(GameRulesTest, EveryDealLeavesThirtyFourCardsInThePileAndLaysDownBooksDealtComplete) {
    StartOnce();
    int booksSeen = 0;
    for (unsigned seed = 1; seed <= 1000; ++seed) {
        ConsoleClear();
        std::srand(seed);
        NewDeal();
        EXPECT_EQ(Game().pileCount, 34);
        EXPECT_EQ(ScriptedPlayer::brokenInvariant(), "") << "seed " << seed;
        const int books = Game().books.at<0>() + Game().books.at<1>();
        booksSeen += books;
        const auto lines = ConsoleLines(true);
        EXPECT_EQ(lines.size(), static_cast<std::size_t>(books)) << "seed " << seed;
        for (std::size_t i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].substr(0, 10),
                      i < std::size_t(Game().books.at<0>()) ? "{cyan}Ann " : "{cyan}CPU ");
    }
    EXPECT_GT(booksSeen, 0);
}

TEST(GameRulesTest, TheCpuAsksForWhatThePlayerAskedAndForgetsTheMark) {
    StartOnce();
    Arrange("cpu 9 4; you 3; marks 9");
    EXPECT_EQ(CpuTurn(), TurnEnd::TurnPassed);
    EXPECT_EQ(Game().playerAsked.at(9, 0), 0);
    EXPECT_EQ(Game().cpuCandidate.at(9, 0), 1);
}

// The CPU's turn draws a random rank for each try; the generator's later output shows how many
// it drew: the first rank of each ask, then one more after each of the 101 failed tries.
TEST(GameRulesTest, TheCpuPassesAfterOneHundredAndOneFailedTries) {
    StartOnce();
    Arrange("cpu 5; you 5 2; marks");
    constexpr unsigned seed = 3;
    std::srand(seed);
    std::vector<std::int32_t> sequence;
    for (int i = 0; i < 400; ++i)
        sequence.push_back(RandomUpTo(13));
    const auto fives = std::find(sequence.begin(), sequence.end(), 5);
    ASSERT_NE(fives, sequence.end());
    std::srand(seed);
    EXPECT_EQ(CpuTurn(), TurnEnd::TurnPassed);
    EXPECT_EQ(Game().currentRank, 0);
    std::vector<std::int32_t> next;
    for (int i = 0; i < 8; ++i)
        next.push_back(RandomUpTo(13));
    const auto after = fives + 2 + 101;
    EXPECT_EQ(next, std::vector<std::int32_t>(after, after + 8));
}
