// Pondaro: a card game against the CPU. Each side asks the other for a rank it holds, takes
// every card of that rank or draws from the pile, and lays down books of four; the side with
// more books wins. All output is text printed into the console of window 1, all input comes
// from the line-input window, and the game asks its two questions in alerts.
//
// Every text is built as a temporary length-prefixed string and turned into a platform string
// just before it is printed. Every access to the game's tables is checked and reports the line
// given here with the access, so that a report points at the same step in every build.

#include "game/Pondaro.h"

#include "platform/app/Application.h"
#include "platform/app/Bundle.h"
#include "platform/app/Screen.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "runtime/console/ConsoleOperations.h"
#include "runtime/console/NamedColors.h"
#include "runtime/core/NumberText.h"
#include "runtime/core/Random.h"
#include "runtime/core/RuntimeAlert.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/core/TempPStrStack.h"
#include "runtime/input/InputOperations.h"
#include "runtime/shell/AlertOperations.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/Tags.h"
#include "runtime/shell/WindowOperations.h"

#include <cmath>
#include <cstdlib>

using platform::Ref;

namespace {

constexpr std::int16_t kRanks = 13;
constexpr std::int64_t kGameWindow = 1;
constexpr std::int64_t kGameOverAlertId = 2;
constexpr std::int64_t kQuitAlertId = 3;
constexpr std::int64_t kSecondButtonResponse = 1001;

constexpr PStr kHyphens = PStrLiteral("-------------------------------------");

// The title in block letters: six lines of 32 characters, the third 33.
constexpr PStr kBanner[] = {
    PStrLiteral("                                "),
    PStrLiteral("  ####            #             "),
    PStrLiteral("  #  #            #              "),
    PStrLiteral("  #### ### ##  #### ##  ### ### "),
    PStrLiteral("  #    # # # # #  #  ## #   # # "),
    PStrLiteral("  #    ### # # #### ### #   ### "),
};

constexpr PStr kRules[] = {
    PStrLiteral(" You are playing against the CPU."),
    PStrLiteral(" You are dealt nine cards to start with."),
    PStrLiteral(" The remaining cards are placed face down in the center of the table"),
    PStrLiteral(" to form the draw pile (the fish pond)."),
    PStrLiteral(" On your turn, you ask the CPU For a card."),
    PStrLiteral(" You must already have at least one card of a given rank to ask For more."),
    PStrLiteral(" (A rank is one or more of any card.)"),
    PStrLiteral(" If the CPU has any cards of the named rank, it must hand over all such cards,"),
    PStrLiteral(" and you can then ask again."),
    PStrLiteral(" If the CPU has no cards of the named rank, a card will be drawn from the pile,"),
    PStrLiteral(" and placed in your hand, which then ends your turn."),
    PStrLiteral(" A book is a collection of four cards in a given rank."),
    PStrLiteral(" Whenever you complete a book, it will be removed from your hand."),
    PStrLiteral(" If at any time, your hand is empty, a new card will be drawn from the pile."),
    PStrLiteral(" The game ends when every book is complete,"),
    PStrLiteral(" or there are no more cards left in the pile."),
    PStrLiteral(" The player with the most books wins."),
};

struct DisplayName {
    PStr text;
    PStr name;
};

constexpr DisplayName kDisplayNames[] = {
    {PStrLiteral("j"), PStrLiteral("Jack")},  {PStrLiteral("J"), PStrLiteral("Jack")},
    {PStrLiteral("q"), PStrLiteral("Queen")}, {PStrLiteral("Q"), PStrLiteral("Queen")},
    {PStrLiteral("k"), PStrLiteral("King")},  {PStrLiteral("K"), PStrLiteral("King")},
    {PStrLiteral("a"), PStrLiteral("Ace")},   {PStrLiteral("A"), PStrLiteral("Ace")},
    {PStrLiteral("0"), PStrLiteral("10")},
};

const Ref<platform::String>& SourceName() {
    static const auto name = platform::String::fromUtf8("Pondaro");
    return name;
}

// A fresh temporary string holding the text.
PStr& Temp(const PStr& text) {
    PStr& slot = TempPStr();
    PStrCopy(slot, text);
    return slot;
}

// Whether two texts are equal, compared as temporary strings.
bool Equal(const PStr& a, const PStr& b) {
    return PStrEqual(Temp(a), Temp(b)) == 0;
}

Ref<platform::String> NoNewlineMarker() {
    static const auto marker = platform::String::create(u"\b");
    return marker;
}

// Prints a temporary string and ends the line; the slot is given back.
void PrintLine(PStr& text) {
    ConsolePrint({PStrToNSString(text)});
}

// Prints a temporary string with the line kept open.
void PrintOpen(PStr& text) {
    ConsolePrint({PStrToNSString(text), NoNewlineMarker()});
}

void PrintEmptyLine() {
    PrintLine(Temp(PStrLiteral("")));
}

void PrintCount(std::int16_t count, bool keepOpen) {
    const auto number = platform::Number::numberWithInteger(count);
    if (keepOpen)
        ConsolePrint({number, NoNewlineMarker()});
    else
        ConsolePrint({number});
}

// Changes only the foreground colour of what is printed next.
void Colour(const Ref<platform::Color>& colour) {
    ConsoleSetText(nullptr, 0.0, colour, nullptr, kParamNotGiven, kParamNotGiven);
}

void ScrollToEnd() {
    ScrollConsoleToEnd(ConsoleForWindowTag(kGameWindow));
}

double MainScreenHeight() {
    const auto screen = platform::Screen::mainScreen();
    return screen ? screen->frame().height() : 0.0;
}

// Asks in the line-input window until the player confirms a text.
void AskLine(std::int64_t x, std::int64_t y, const PStr& prompt, PStr& answer) {
    for (;;) {
        const auto text =
            InputWindowRun(x, y, PStrToNSString(Temp(prompt)), platform::String::create(),
                           kParamNotGiven, kParamNotGiven, kParamNotGiven);
        if (text) {
            NSStringToPStr(text, answer);
            return;
        }
    }
}

[[noreturn]] void EndProcess() {
    std::exit(0);
}

// Defines and runs one of the game's two alerts; returns only when the second button, the one
// that goes on, was chosen.
void RunGameAlert(std::int64_t id, const Ref<platform::String>& message, const PStr& informative,
                  const PStr& buttons) {
    AlertRun(-id, kParamNotGiven, message, PStrToNSString(Temp(informative)),
             PStrToNSString(Temp(buttons)), kParamNotGiven);
    // Escape chooses the button that goes on, the safe answer. Buttons count from 0, so that
    // button has index 1.
    AlertButtonKeySet(id, 1, platform::String::create(u"\x1b"));
    const auto result = static_cast<std::int16_t>(
        AlertRun(id, kParamNotGiven, nullptr, nullptr, nullptr, kParamNotGiven));
    if (result != kSecondButtonResponse)
        EndProcess();
}

void GameOverAlert(const Ref<platform::String>& message) {
    RunGameAlert(kGameOverAlertId, message, PStrLiteral("Game Over"),
                 PStrLiteral("Quit;Play Again"));
}

// The letter of a rank in rankLetters, in pstrResult.
PStr& RankLetter(std::int16_t rank) {
    return PStrMid(Temp(Game().rankLetters), rank, 1);
}

// "<asker> got <n> card(s)" after a successful ask.
void PrintCardsTaken(std::int16_t count) {
    PStr& text = Temp(Game().askerName);
    PStrAppend(text, PStrLiteral(" got"));
    PStrAppend(text, NumberToPStr(count));
    PStrAppend(text, PStrLiteral(" card"));
    if (count >= 2)
        PStrAppend(text, PStrLiteral("s"));
    PrintLine(text);
}

void PrintBook(const PStr& who, std::int16_t rank) {
    Colour(ColorCyan());
    PStr& text = Temp(who);
    PStrAppend(text, PStrLiteral(" completed the book of "));
    PStrAppend(text, RankDisplayName(RankLetter(rank)));
    PStrAppend(text, PStrLiteral("'s."));
    PrintLine(text);
    Colour(ColorWhite());
}

void PlayerDrawsAfterAsk() {
    GameState& game = Game();
    PStr& call = Temp(game.askerName);
    PStrAppend(call, PStrLiteral(","));
    PrintOpen(call);
    Colour(ColorRed());
    PrintLine(Temp(PStrLiteral(" Pondaro!")));
    Colour(ColorWhite());
    PStr& got = Temp(game.askerName);
    PStrAppend(got, PStrLiteral(" got a"));
    PrintOpen(got);
    PlayerDraws();
    PrintEmptyLine();
    CheckPlayerBooks();
}

void CpuDrawsAfterAsk() {
    GameState& game = Game();
    PStr& call = Temp(game.askerName);
    PStrAppend(call, PStrLiteral(", "));
    PrintOpen(call);
    Colour(ColorRed());
    PrintLine(Temp(PStrLiteral("pondaro!")));
    Colour(ColorWhite());
    PStr& got = Temp(game.askerName);
    PStrAppend(got, PStrLiteral(" got"));
    PrintOpen(got);
    CpuDraws();
    CheckCpuBooks();
}

// The CPU's rank when it has no marks: random ranks that it holds and has not asked for in this
// turn, at most 101 tries; 0 when none qualifies.
std::int16_t RandomCpuRank(std::int16_t first) {
    GameState& game = Game();
    std::int16_t rank = first;
    for (int tries = 1;; ++tries) {
        const bool qualifies =
            game.cpuHand.at(rank, 491) >= 1 && game.cpuAskedThisTurn.at(rank, 491) == 0;
        if (qualifies)
            return rank;
        // After the last failure one more rank is drawn and thrown away.
        rank = static_cast<std::int16_t>(RandomUpTo(kRanks));
        if (tries == 101)
            return 0;
    }
}

// The CPU's rank among its marks: random ranks until a marked one comes up.
std::int16_t MarkedCpuRank(std::int16_t first) {
    GameState& game = Game();
    std::int16_t rank = first;
    while (game.cpuCandidate.at(rank, 500) == 0)
        rank = static_cast<std::int16_t>(RandomUpTo(kRanks));
    game.playerAsked.at(rank, 505) = 0;
    game.cpuAskedThisTurn.at(rank, 506) = 1;
    return rank;
}

} // namespace

template <int Bound>
std::int16_t& CheckedTable<Bound>::at(int index, int line) {
    if (index < 0 || index > Bound)
        ArrayBoundsError(index, line, Bound, SourceName());
    return values_[static_cast<std::size_t>(index)];
}

template class CheckedTable<13>;
template class CheckedTable<2>;

GameState& Game() {
    static GameState game;
    return game;
}

void StartGame() {
    AppEnsureDelegate();
    // The runtime's texts in the user's language, where a translation for it is installed.
    platform::Bundle::loadTranslations(platform::String::stringWithFormat(
        "%@/translations", platform::Bundle::main()->resourcePath().get()));
    RuntimeInit();
    GameState& game = Game();
    PStrCopy(game.rankLetters, PStrLiteral("A234567890JQK"));
    game.books.at<0>() = 0;
    game.books.at<1>() = 0;
    OpenGameWindow();
}

namespace {

// The window's close button, or the desktop asking to close it, ends the game as "Quit Pondaro"
// does. Should the quit be cancelled, the window stays open.
void GameWindowEvent(std::int64_t, std::int64_t event, void*) {
    if (event != WindowEvent::ShouldClose)
        return;
    platform::Application::shared()->terminate();
    DialogEventSetBoolVal(false);
}

} // namespace

void OpenGameWindow() {
    const double height =
        static_cast<double>(std::round(static_cast<float>(MainScreenHeight()))) - 110.0;
    WindowOpen(kGameWindow, PStrToNSString(Temp(PStrLiteral("Pondaro"))), kParamNotGiven,
               platform::Rect(0, 0, 600.0, height));
    WindowCenter(kGameWindow);
    WindowSetBackgroundColor(kGameWindow, ColorBlack());
    WindowCallbackSet(kGameWindow, GameWindowEvent, nullptr);
}

std::int16_t CardPromptY() {
    const double y = std::round(MainScreenHeight() - 120.0);
    return static_cast<std::int16_t>(static_cast<float>(y));
}

void ShowIntro() {
    GameState& game = Game();
    Colour(ColorGreen());
    for (const PStr& line : kBanner)
        PrintLine(Temp(line));
    PrintEmptyLine();

    Colour(ColorCyan());
    ConsoleSetPenPosition(301.0, 90.0);
    PrintLine(Temp(PStrLiteral("( x to exit the game )")));

    Colour(ColorWhite());
    PrintLine(Temp(PStrLiteral(" Pondaro Rules:")));
    PrintEmptyLine();
    for (const PStr& line : kRules)
        PrintLine(Temp(line));

    AskLine(300, 70, PStrLiteral("What's your name?: "), game.playerName);
    ConsoleClear();
    PStr del{};
    PStrCopy(del, PStrFill(1, 127));
    if (Equal(game.playerName, PStrLiteral("X")) || Equal(game.playerName, PStrLiteral("x")) ||
        Equal(game.playerName, del))
        QuitGameAlert(PStrLiteral("EXIT"));
}

void GameLoop() {
    for (;;) {
        StatusDisplay();
        TurnEnd end = PlayerTurn();
        if (end == TurnEnd::AskAgain)
            continue;
        if (end == TurnEnd::TurnPassed)
            end = CpuTurn();
        if (end == TurnEnd::GameOver) {
            ConsoleClear();
            NewDeal();
        }
    }
}

void NewDeal() {
    GameState& game = Game();
    PStrCopy(game.rankLetters, PStrLiteral("A234567890JQK"));
    game.pileCount = static_cast<std::int16_t>(4 * game.rankLetters[0]);
    game.currentRank = 0;
    game.lastAskedRank = 0;
    game.books.at(0, 159) = 0;
    game.books.at(1, 159) = 0;
    for (std::int16_t rank = 1; rank <= kRanks; ++rank) {
        game.playerHand.at(rank, 163) = 0;
        game.cpuHand.at(rank, 164) = 0;
        game.pile.at(rank, 165) = 0;
        game.playerAsked.at(rank, 166) = 0;
        game.cpuCandidate.at(rank, 167) = 0;
        game.cpuAskedThisTurn.at(rank, 168) = 0;
    }
    for (std::int16_t rank = 1; rank <= kRanks; ++rank)
        game.pile.at(rank, 174) = 4;
    // Nine rounds, the CPU's card first in each; nothing is printed while dealing.
    for (int round = 0; round < 9; ++round) {
        DrawFromPile();
        --game.pile.at(game.currentRank, 178);
        ++game.cpuHand.at(game.currentRank, 179);
        DrawFromPile();
        --game.pile.at(game.currentRank, 181);
        ++game.playerHand.at(game.currentRank, 182);
    }
    CheckPlayerBooks();
    CheckCpuBooks();
}

void DrawFromPile() {
    GameState& game = Game();
    const std::int16_t before = game.pileCount;
    --game.pileCount;
    // A position in the pile counted through the ranks in order, so every card is as likely.
    std::int32_t position = RandomUpTo(before);
    for (std::int16_t rank = 1; rank <= kRanks; ++rank) {
        position -= game.pile.at(rank, 65);
        if (position <= 0) {
            game.currentRank = rank;
            return;
        }
    }
}

void PlayerDraws() {
    GameState& game = Game();
    DrawFromPile();
    PStr& text = Temp(PStrLiteral(" "));
    PStrAppend(text, CardName(game.currentRank));
    PStrAppend(text, PStrLiteral("."));
    PrintLine(text);
    --game.pile.at(game.currentRank, 81);
    ++game.playerHand.at(game.currentRank, 82);
}

void CpuDraws() {
    GameState& game = Game();
    DrawFromPile();
    PrintLine(Temp(PStrLiteral(" a card from the deck.")));
    --game.pile.at(game.currentRank, 92);
    ++game.cpuHand.at(game.currentRank, 93);
}

void CheckPlayerBooks() {
    GameState& game = Game();
    for (std::int16_t rank = 1; rank <= kRanks; ++rank) {
        if (game.playerHand.at(rank, 101) != 4)
            continue;
        PrintBook(game.playerName, rank);
        game.playerHand.at(rank, 116) = 0;
        ++game.books.at<0>();
        ScrollToEnd();
    }
}

void CheckCpuBooks() {
    GameState& game = Game();
    for (std::int16_t rank = 1; rank <= kRanks; ++rank) {
        if (game.cpuHand.at(rank, 128) != 4)
            continue;
        PrintBook(PStrLiteral("CPU"), rank);
        game.cpuHand.at(rank, 143) = 0;
        ++game.books.at<1>();
        ScrollToEnd();
    }
}

PStr& CardName(std::int16_t rank) {
    ++gQVStk();
    switch (rank) {
    case 1:
        PStrCopy(pstrResult(), PStrLiteral("Ace"));
        break;
    case 11:
        PStrCopy(pstrResult(), PStrLiteral("jack"));
        break;
    case 12:
        PStrCopy(pstrResult(), PStrLiteral("Queen"));
        break;
    case 13:
        PStrCopy(pstrResult(), PStrLiteral("King"));
        break;
    default:
        NumberToPStr(rank);
        break;
    }
    --gQVStk();
    return pstrResult();
}

PStr& RankDisplayName(const PStr& text) {
    ++gQVStk();
    // The text may be pstrResult itself, so it is read before the result is written.
    PStr name{};
    PStrCopy(name, text);
    for (const auto& [from, to] : kDisplayNames) {
        if (Equal(name, from)) {
            PStrCopy(name, to);
            break;
        }
    }
    PStrCopy(pstrResult(), name);
    --gQVStk();
    return pstrResult();
}

void StatusDisplay() {
    GameState& game = Game();
    Colour(ColorGreen());
    PStr& points = Temp(PStrFill(1, 10));
    PStrAppend(points, PStrLiteral("Points >> "));
    PrintOpen(points);
    Colour(ColorYellow());
    PStr& name = Temp(game.playerName);
    PStrAppend(name, PStrLiteral(": "));
    PrintOpen(name);
    Colour(ColorGreen());
    PrintCount(game.books.at<0>(), true);
    Colour(ColorOrange());
    PrintOpen(Temp(PStrLiteral("  CPU: ")));
    Colour(ColorGreen());
    PrintCount(game.books.at<1>(), false);

    Colour(ColorWhite());
    PStr& remaining = Temp(PStrFill(1, 10));
    PStrAppend(remaining, PStrLiteral("          "));
    PStrAppend(remaining, NumberToPStr(game.pileCount));
    PStrAppend(remaining, PStrLiteral(" remaining cards"));
    PrintLine(remaining);

    PStr& cards = Temp(PStrFill(1, 10));
    PStrAppend(cards, PStrLiteral("Your Cards: "));
    PrintOpen(cards);
    for (std::int16_t rank = 1; rank <= kRanks; ++rank) {
        if (game.playerHand.at(rank, 377) <= 0)
            continue;
        for (int card = 0; card < game.playerHand.at(rank, 378); ++card) {
            PStr& card_text = Temp(rank == 10 ? PStrLiteral("10") : RankLetter(rank));
            PStrAppend(card_text, PStrLiteral(" "));
            PrintOpen(card_text);
        }
    }
    PrintEmptyLine();
    ScrollToEnd();
}

TurnEnd PlayerTurn() {
    GameState& game = Game();
    for (;;) {
        if (CheckGameOver())
            return TurnEnd::GameOver;
        PStrCopy(game.askerName, game.playerName);
        AskLine(20, CardPromptY(), PStrLiteral("What card do you want? "), game.answer);
        if (Equal(game.answer, PStrLiteral("10")))
            PStrCopy(game.answer, PStrLiteral("0"));

        Colour(ColorYellow());
        PrintEmptyLine();
        PStrCopy(game.displayForm, RankDisplayName(game.answer));
        PrintLine(Temp(kHyphens));
        PrintEmptyLine();
        PStr& echo = Temp(game.playerName);
        PStrAppend(echo, PStrLiteral(" asked For "));
        PStrAppend(echo, Equal(game.displayForm, PStrLiteral("Ace")) ? PStrLiteral("an")
                                                                     : PStrLiteral("a"));
        PStrAppend(echo, PStrLiteral(" "));
        PStrAppend(echo, game.displayForm);
        PrintLine(echo);
        PrintEmptyLine();
        Colour(ColorWhite());
        ScrollToEnd();

        if (Equal(game.answer, PStrLiteral("X")) || Equal(game.answer, PStrLiteral("x")))
            QuitGameAlert(PStrLiteral("EXIT"));

        bool counts = false;
        if (game.answer[0] != 0) {
            game.lastAskedRank = static_cast<std::int16_t>(
                PStrFind(1, Temp(game.rankLetters), Temp(PStrUpper(Temp(game.answer)))));
            counts = true;
        }
        if (game.lastAskedRank != 0) {
            if (game.playerHand.at(game.lastAskedRank, 434) == 0) {
                Colour(ColorRed());
                PrintLine(Temp(PStrLiteral("You don//t have that card!")));
                Colour(ColorRed());
                counts = false;
            }
            ScrollToEnd();
            Colour(ColorWhite());
        } else {
            Colour(ColorRed());
            PrintLine(Temp(PStrLiteral("Sorry, that is not a valid card.")));
            PrintEmptyLine();
            ScrollToEnd();
            counts = false;
        }
        if (counts)
            break;
    }

    const std::int16_t rank = game.lastAskedRank;
    game.playerAsked.at(rank, 442) = 1;
    if (game.cpuHand.at(rank, 444) == 0) {
        PlayerDrawsAfterAsk();
        return TurnEnd::TurnPassed;
    }
    const std::int16_t count = game.cpuHand.at(rank, 454);
    game.cpuHand.at(rank, 455) = 0;
    game.playerHand.at(rank, 456) =
        static_cast<std::int16_t>(game.playerHand.at(rank, 456) + count);
    PrintCardsTaken(count);
    CheckPlayerBooks();
    ScrollToEnd();
    return TurnEnd::AskAgain;
}

TurnEnd CpuTurn() {
    GameState& game = Game();
    PStrCopy(game.askerName, PStrLiteral("CPU"));
    for (std::int16_t rank = 1; rank <= kRanks; ++rank)
        game.cpuAskedThisTurn.at(rank, 470) = 0;

    for (;;) {
        if (CheckGameOver())
            return TurnEnd::GameOver;
        // Ranks the CPU holds that the player has asked for stay marked for the whole deal.
        int candidates = 0;
        for (std::int16_t rank = 1; rank <= kRanks; ++rank) {
            if (game.cpuHand.at(rank, 480) > 0 && game.playerAsked.at(rank, 480) > 0) {
                game.cpuCandidate.at(rank, 480) = 1;
                ++candidates;
            }
        }
        const auto first = static_cast<std::int16_t>(RandomUpTo(kRanks));
        const std::int16_t chosen = candidates == 0 ? RandomCpuRank(first) : MarkedCpuRank(first);
        game.currentRank = chosen;
        if (chosen == 0)
            return TurnEnd::TurnPassed;

        PStrCopy(game.displayForm, RankDisplayName(CardName(game.currentRank)));
        Colour(ColorOrange());
        PrintLine(Temp(kHyphens));
        PrintEmptyLine();
        PStr& wants = Temp(game.askerName);
        PStrAppend(wants, PStrLiteral(" wants your "));
        PStrAppend(wants, game.displayForm);
        PStrAppend(wants, PStrLiteral("'s."));
        PrintLine(wants);
        PrintEmptyLine();
        Colour(ColorWhite());

        game.cpuAskedThisTurn.at(game.currentRank, 532) = 1;
        if (game.playerHand.at(game.currentRank, 535) == 0) {
            CpuDrawsAfterAsk();
            return TurnEnd::TurnPassed;
        }
        const std::int16_t count = game.playerHand.at(game.currentRank, 545);
        game.playerHand.at(game.currentRank, 546) = 0;
        game.cpuHand.at(game.currentRank, 547) =
            static_cast<std::int16_t>(game.cpuHand.at(game.currentRank, 547) + count);
        PrintCardsTaken(count);
        CheckCpuBooks();
    }
}

int CheckGameOver() {
    GameState& game = Game();
    std::int16_t playerCards = 0;
    std::int16_t cpuCards = 0;
    for (std::int16_t rank = 1; rank <= kRanks; ++rank) {
        playerCards = static_cast<std::int16_t>(playerCards + game.playerHand.at(rank, 215));
        cpuCards = static_cast<std::int16_t>(cpuCards + game.cpuHand.at(rank, 216));
    }
    if (game.pileCount != 0 && playerCards != 0 && cpuCards != 0)
        return 0;

    Colour(ColorRed());
    PrintLine(Temp(PStrLiteral("*** Game Over! ***")));
    PrintEmptyLine();
    const std::int16_t playerBooks = game.books.at<0>();
    const std::int16_t cpuBooks = game.books.at<1>();
    PStr message{};
    if (playerBooks == cpuBooks) {
        PrintLine(Temp(PStrLiteral("It's a tie!")));
        PStrCopy(message, PStrLiteral("It's a tie!."));
    } else if (playerBooks > cpuBooks) {
        PStr& won = Temp(game.playerName);
        PStrAppend(won, PStrLiteral(" has won."));
        PrintLine(won);
        PrintEmptyLine();
        PrintEmptyLine();
        PStrCopy(message, PStrLiteral("You Won!"));
    } else {
        PrintLine(Temp(PStrLiteral("The CPU has won.")));
        PrintEmptyLine();
        PrintEmptyLine();
        PStrCopy(message, PStrLiteral("the CPU won!"));
    }
    // The result is in view while the alert asks; after "Play Again" the console is cleared.
    ScrollToEnd();
    GameOverAlert(PStrToNSString(Temp(message)));
    return 1;
}

void QuitGameAlert(const PStr& message) {
    RunGameAlert(kQuitAlertId, PStrToNSString(Temp(message)), PStrLiteral("Quit the game?"),
                 PStrLiteral("Quit;Resume game"));
}

// Weak, so that the game's test program can link this unit with its own main.
__attribute__((weak)) int main() {
    StartGame();
    ShowIntro();
    NewDeal();
    GameLoop();
}
