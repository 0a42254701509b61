#pragma once

// The game's state and steps, for the program entry in Pondaro.cpp and for the game's tests.
// Cards have ranks 1 to 13 and no suits; the pile and the hands are tables of counts per rank.

#include "runtime/core/PStr.h"

#include <array>
#include <cstdint>

// A table of counts indexed 0 to Bound whose every access checks the index and reports the
// source line of that access when it is out of range.
template <int Bound>
class CheckedTable {
public:
    std::int16_t& at(int index, int line);
    // An access whose index is known when the game is compiled is checked then.
    template <int Index>
    std::int16_t& at() {
        static_assert(Index >= 0 && Index <= Bound);
        return values_[Index];
    }

private:
    std::array<std::int16_t, Bound + 1> values_{};
};

using RankTable = CheckedTable<13>;

struct GameState {
    PStr rankLetters{};
    RankTable playerHand;
    RankTable cpuHand;
    RankTable pile;
    RankTable playerAsked;
    RankTable cpuCandidate;
    RankTable cpuAskedThisTurn;
    // Entry 0 counts the player's books, entry 1 the CPU's.
    CheckedTable<2> books;
    std::int16_t pileCount = 0;
    std::int16_t currentRank = 0;
    std::int16_t lastAskedRank = 0;
    PStr playerName{};
    PStr askerName{};
    PStr answer{};
    PStr displayForm{};
};

// The one game of the process.
GameState& Game();

// How a turn of either side ended.
enum class TurnEnd { GameOver, AskAgain, TurnPassed };

// The start: the application, the runtime, window 1.
void StartGame();
void OpenGameWindow();
// Banner, exit hint, rules and the name prompt; clears the console afterwards.
void ShowIntro();
// Runs one game after another; ends only with the process.
[[noreturn]] void GameLoop();

void NewDeal();
void DrawFromPile();
void PlayerDraws();
void CpuDraws();
void CheckPlayerBooks();
void CheckCpuBooks();
// The name of a rank for messages, in pstrResult.
PStr& CardName(std::int16_t rank);
// The display name of a one-letter rank text, in pstrResult.
PStr& RankDisplayName(const PStr& text);

void StatusDisplay();
// The player's ask: GameOver, AskAgain when the CPU handed cards over, TurnPassed after the draw.
TurnEnd PlayerTurn();
// The CPU's turn: GameOver, or TurnPassed (after its draw, or when it could choose no rank).
TurnEnd CpuTurn();

// 1 when the game is over (the result printed and "Play Again" chosen), else 0.
int CheckGameOver();
void QuitGameAlert(const PStr& message);
std::int16_t CardPromptY();
