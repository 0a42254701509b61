// The game as the player sees it on its real window: the newest line stays above the card
// prompt, the result is in view while "Game Over" asks, and the menu and the window's close
// button end the game while it waits.

#include "game/Pondaro.h"

#include "GameTesting.h"
#include "ScriptedPlayer.h"
#include "platform/app/Application.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "platform/testing/UserActions.h"
#include "platform/windows/Window.h"
#include "runtime/console/CUI_PrintToWindowScrollView.h"
#include "runtime/core/TempPStrStack.h"
#include "runtime/shell/WindowOperations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

using platform::Rect;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::UserActions;
using namespace game_testing;

namespace {

// A rank the player holds, or does not hold, as typed at the card prompt.
std::string Rank(bool held) {
    for (int rank = 1; rank <= 13; ++rank)
        if ((Game().playerHand.at(rank, 0) > 0) == held)
            return ScriptedPlayer::kTypedRanks[rank];
    return "A";
}

// A console run far past the bottom of its window, of a fresh deal.
void FillConsole() {
    StartOnce();
    std::srand(7);
    NewDeal();
    ConsoleClear();
    for (int line = 0; line < 100; ++line)
        ConsolePrint({platform::String::fromUtf8("filler")});
}

bool InView(Rect rect) {
    const Rect visible = ConsoleForWindowTag(1)->scrollView()->documentVisibleRect();
    return rect.minY() >= visible.minY() && rect.maxY() <= visible.maxY();
}

Rect OnScreen(Rect rect) {
    const auto console = ConsoleForWindowTag(1);
    const auto window = WindowWithTag(1);
    const auto corner = [&](double x, double y) {
        return window->convertPointToScreen(console->convertPointToView({x, y}, nullptr));
    };
    const platform::Point a = corner(rect.minX(), rect.minY());
    const platform::Point b = corner(rect.maxX(), rect.maxY());
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y)};
}

} // namespace

// Ten turns, each with a refused ask ("You don//t have that card!") before the one that counts.
TEST(ScreenTest, TheNewestLineStaysInViewAboveTheCardPromptTurnAfterTurn) {
    FillConsole();
    int prompts = 0;
    ModalScript script;
    script.everyRun([&](ModalScript& s) {
        ++prompts;
        const ConsoleRow row = LastTextRow();
        const Rect prompt = platform::Application::shared()->modalWindow()->frame();
        EXPECT_TRUE(InView(row.rect)) << "prompt " << prompts << ": " << row.text;
        EXPECT_FALSE(OnScreen(row.rect).intersects(prompt))
            << "prompt " << prompts << ": " << row.text << " at " << OnScreen(row.rect);
        s.run().type(Rank(prompts % 2 == 0)).press(Key::Return);
    });
    while (prompts < 20) {
        StatusDisplay();
        if (PlayerTurn() == TurnEnd::TurnPassed)
            CpuTurn();
    }
}

TEST(ScreenTest, TheResultIsInViewWhileGameOverAsks) {
    for (const auto& [player, cpu, line] :
         {std::tuple{6, 6, "It's a tie!"}, std::tuple{7, 6, "Ann has won."},
          std::tuple{6, 7, "The CPU has won."}}) {
        FillConsole();
        Game().pileCount = 0;
        Game().books.at<0>() = static_cast<std::int16_t>(player);
        Game().books.at<1>() = static_cast<std::int16_t>(cpu);
        ModalScript script;
        script.everyRun([&](ModalScript& s) {
            EXPECT_EQ(LastTextRow().text, line);
            EXPECT_TRUE(InView(LastTextRow().rect)) << line;
            s.run().clickButton(1);
        });
        EXPECT_EQ(CheckGameOver(), 1);
    }
}

// Quit from the menu bar during the "Quit the game?" alert, and the close button during a prompt.
TEST(ScreenDeathTest, TheMenuAndTheCloseButtonEndTheGameWithStatusZero) {
    for (const bool inAlert : {true, false}) {
        EXPECT_EXIT(
            {
                StartGame();
                auto* script = new ModalScript;
                script->run().perform([inAlert] {
                    if (inAlert)
                        UserActions::chooseMenuItem(WindowWithTag(1), "Pondaro", "Quit Pondaro");
                    else
                        UserActions::clickCloseButton(WindowWithTag(1));
                });
                if (inAlert)
                    QuitGameAlert(PStrLiteral("EXIT"));
                else
                    PlayerTurn();
                std::_Exit(3);
            },
            ::testing::ExitedWithCode(0), "")
            << (inAlert ? "the menu's Quit in an alert" : "the close button in a prompt");
    }
}
