#include "ScriptedPlayer.h"

#include "game/Pondaro.h"

#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

using platform::testing::Key;
using platform::testing::ModalScript;

namespace {

constexpr const auto& kTyped = ScriptedPlayer::kTypedRanks;

struct Run {
    ScriptedPlayer::Plan plan;
    ScriptedPlayer::Tally tally;
    std::mt19937 chooser;
    bool named = false;
    int prompts = 0;
};

Run& TheRun() {
    static Run run;
    return run;
}

[[noreturn]] void Fail(const std::string& why) {
    std::fprintf(stderr, "%s\n", why.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

void CheckState(const char* where) {
    const std::string broken = ScriptedPlayer::brokenInvariant();
    if (!broken.empty())
        Fail("game " + std::to_string(TheRun().tally.games + 1) + ", " + where + ": " + broken);
}

int Percent() {
    return std::uniform_int_distribution<int>(1, 100)(TheRun().chooser);
}

// Mostly a rank the player holds, typed in any of its forms; now and then an empty answer, a
// rank that may not be held, a text that names no rank or the exit word.
std::string Answer() {
    Run& run = TheRun();
    const int roll = Percent();
    if (roll <= 3)
        return "";
    if (roll <= 7)
        return kTyped[std::uniform_int_distribution<int>(1, 13)(run.chooser)];
    if (roll <= 9)
        return "1";
    if (roll <= 10)
        return "x";
    std::vector<int> held;
    for (int rank = 1; rank <= 13; ++rank)
        if (Game().playerHand.at(rank, 0) > 0)
            held.push_back(rank);
    if (held.empty())
        Fail("a card prompt with an empty hand");
    const int rank =
        held[std::uniform_int_distribution<std::size_t>(0, held.size() - 1)(run.chooser)];
    std::string typed = kTyped[rank];
    if (rank == 10 && Percent() <= 50)
        typed = "0";
    if (rank != 10 && typed[0] > '9' && Percent() <= 50)
        typed[0] = static_cast<char>(typed[0] - 'A' + 'a');
    return typed;
}

void PrintTally() {
    const ScriptedPlayer::Tally& tally = TheRun().tally;
    std::fprintf(stderr, "%d games: %d won, %d lost, %d tied\n", tally.games, tally.won, tally.lost,
                 tally.tied);
    std::fflush(stderr);
}

void Judge() {
    Run& run = TheRun();
    if (run.plan.verdict) {
        const std::string failure = run.plan.verdict(run.tally);
        if (!failure.empty())
            Fail(failure);
    }
    PrintTally();
}

void AnswerAlert(ModalScript& script, const platform::testing::ShownAlert& alert) {
    Run& run = TheRun();
    CheckState("at an alert");
    if (alert.informativeText == "Quit the game?") {
        const bool quit = run.plan.quitAtPrompt != 0 && run.prompts >= run.plan.quitAtPrompt;
        if (quit)
            Judge();
        script.run().clickButton(quit ? 0 : 1);
        return;
    }
    if (alert.informativeText != "Game Over")
        Fail("an alert that the game does not show: " + alert.informativeText);
    ScriptedPlayer::Tally& tally = run.tally;
    if (alert.messageText == "You Won!")
        ++tally.won;
    else if (alert.messageText == "the CPU won!")
        ++tally.lost;
    else if (alert.messageText == "It's a tie!.")
        ++tally.tied;
    else
        Fail("an unknown result: " + alert.messageText);
    ++tally.games;
    tally.residentKb.push_back(ScriptedPlayer::residentKb());
    if (tally.games == run.plan.games && run.plan.quitAtPrompt == 0) {
        Judge();
        script.run().clickButton(0);
        return;
    }
    std::srand(run.plan.firstSeed + static_cast<unsigned>(tally.games));
    script.run().clickButton(1);
}

void AnswerPrompt(ModalScript& script) {
    Run& run = TheRun();
    if (!run.named) {
        run.named = true;
        script.run().type("Ann").press(Key::Return);
        return;
    }
    CheckState("at a card prompt");
    ++run.prompts;
    const std::string answer = run.prompts == run.plan.quitAtPrompt ? "x" : Answer();
    script.run().type(answer).press(Key::Return);
}

} // namespace

void ScriptedPlayer::play(Plan plan) {
    Run& run = TheRun();
    run.plan = std::move(plan);
    run.chooser.seed(run.plan.firstSeed);
    // The script answers until the process ends, so it is never destroyed.
    auto* script = new ModalScript;
    script->everyRun([](ModalScript& s) {
        if (const auto alert = platform::testing::shownAlert())
            AnswerAlert(s, *alert);
        else
            AnswerPrompt(s);
    });
    StartGame();
    ShowIntro();
    std::srand(run.plan.firstSeed);
    NewDeal();
    GameLoop();
}

std::string ScriptedPlayer::brokenInvariant() {
    GameState& game = Game();
    int pile = 0;
    int booked = 0;
    for (int rank = 1; rank <= 13; ++rank) {
        const int counts[] = {game.pile.at(rank, 0), game.playerHand.at(rank, 0),
                              game.cpuHand.at(rank, 0)};
        const int cards = counts[0] + counts[1] + counts[2];
        if (*std::min_element(counts, counts + 3) < 0 || counts[1] >= 4 || counts[2] >= 4 ||
            (cards != 4 && cards != 0))
            return "rank " + std::to_string(rank) + " has " + std::to_string(counts[0]) +
                   " in the pile, " + std::to_string(counts[1]) + " with the player and " +
                   std::to_string(counts[2]) + " with the CPU";
        booked += cards == 0;
        pile += counts[0];
    }
    const int books = game.books.at<0>() + game.books.at<1>();
    if (pile != game.pileCount || booked != books)
        return "the pile holds " + std::to_string(pile) + " cards and counts " +
               std::to_string(game.pileCount) + "; " + std::to_string(booked) +
               " ranks are laid down and " + std::to_string(books) + " books counted";
    return {};
}

long ScriptedPlayer::residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return 0;
}
