#pragma once

// A player who plays the real game from its start, through the game loop and its alerts, to the
// end of the process: it types a name, answers every card prompt (mostly with a rank it holds,
// now and then with a mistake or the exit word) and answers every alert. At every prompt and
// alert it checks that the game's state is whole; a broken state ends the process at once with
// status 1 and the reason on the standard error stream.

#include <functional>
#include <string>
#include <vector>

class ScriptedPlayer {
public:
    struct Tally {
        int games = 0;
        int won = 0;
        int lost = 0;
        int tied = 0;
        // The process's resident memory in kB at the end of each game.
        std::vector<long> residentKb;
    };

    struct Plan {
        // Games to finish; after the last one the player quits in the "Game Over" alert.
        int games = 1;
        // The first game is dealt from this seed, each later one from the next.
        unsigned firstSeed = 1;
        // When not 0, the player types the exit word at this card prompt (counted over the
        // whole run) and quits in the "Quit the game?" alert.
        int quitAtPrompt = 0;
        // Judges the tally before the player quits: a text names a failure and ends the process
        // with status 1.
        std::function<std::string(const Tally&)> verdict;
    };

    // Plays in this process; the process ends in the game's own exit with status 0 when every
    // check held. Prints the tally as "<n> games: <w> won, <l> lost, <t> tied" before quitting.
    [[noreturn]] static void play(Plan plan);

    // What is wrong with the game's state, or an empty text when it is whole: every rank's cards
    // are all in the pile and the hands or all laid down in a book, no complete book is left in
    // a hand, the pile count is the sum of the pile and the laid-down ranks are the books counted.
    static std::string brokenInvariant();

    // The process's resident memory in kB, from /proc/self/status.
    static long residentKb();

    // Each rank as the player types it, by rank.
    static constexpr const char* kTypedRanks[] = {"",  "A", "2", "3",  "4", "5", "6",
                                                  "7", "8", "9", "10", "J", "Q", "K"};
};
