// The main menu at work: Ctrl+Q quits through the delegate, in a window's modal run and while an
// alert waits, and the about item shows the application's name and version.

#include "ShellTesting.h"

#include "runtime/shell/EventCodes.h"

#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/windows/Alert.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

#include <cstdlib>

using namespace shelltest;
using platform::String;
using platform::testing::ModalScript;

namespace {

using MainMenu = ShellTest;

platform::Ref<platform::Alert> questionAlert() {
    const auto alert = std::make_shared<platform::Alert>();
    alert->setMessageText(String::fromUtf8("Quit the game?"));
    alert->addButtonWithTitle(String::fromUtf8("Quit"));
    alert->addButtonWithTitle(String::fromUtf8("Play"));
    return alert;
}

// The termination events heard; the first modal run of a process also brings the launch and
// activation events.
std::vector<std::int64_t> terminationEvents() {
    std::vector<std::int64_t> events;
    for (const auto& call : heard())
        if (call.event == AppEvent::ShouldTerminate || call.event == AppEvent::WillTerminate)
            events.push_back(call.event);
    return events;
}

TEST_F(MainMenu, ControlQEndsTheProcessWithStatusZeroDuringAWindowsModalRun) {
    EXPECT_EXIT(
        {
            CUI_AppDelegate::buildMainMenu();
            WindowOpen(1, String::fromUtf8("Pondaro"), kParamNotGiven, {});
            ModalScript script;
            script.run().pressCharacter(U'q', true);
            platform::Application::shared()->runModalForWindow(WindowWithTag(1));
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

void reportTermination(std::int64_t event, void*) {
    if (event == AppEvent::ShouldTerminate || event == AppEvent::WillTerminate)
        std::fprintf(stderr, "event %ld\n", static_cast<long>(event));
}

TEST_F(MainMenu, ControlQEndsTheProcessWhileAnAlertWaitsAfterAskingTheDelegate) {
    EXPECT_EXIT(
        {
            CUI_AppDelegate::buildMainMenu();
            AppDelegateGet()->setDelegateCallback(reportTermination);
            ModalScript script;
            script.run().pressCharacter(U'q', true);
            questionAlert()->runModal();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "event 3\nevent 5\n");
}

TEST_F(MainMenu, AHandlerThatAnswersCancelKeepsTheApplicationRunning) {
    CUI_AppDelegate::buildMainMenu();
    AppDelegateGet()->setDelegateCallback(delegateCallback);
    whileHeard() = [] {
        if (heard().back().event == AppEvent::ShouldTerminate)
            AppDelegateGet()->setLongVal(0);
    };
    ModalScript script;
    script.run().pressCharacter(U'q', true).clickButton(1);
    EXPECT_EQ(questionAlert()->runModal(), platform::AlertSecondButtonReturn);
    EXPECT_EQ(terminationEvents(), std::vector<std::int64_t>{AppEvent::ShouldTerminate});
}

TEST_F(MainMenu, ControlWithAnotherLetterIsNoQuit) {
    CUI_AppDelegate::buildMainMenu();
    AppDelegateGet()->setDelegateCallback(delegateCallback);
    ModalScript script;
    script.run().pressCharacter(U'w', true).pressCharacter(U'q').clickButton(0);
    EXPECT_EQ(questionAlert()->runModal(), platform::AlertFirstButtonReturn);
    EXPECT_TRUE(terminationEvents().empty());
}

TEST_F(MainMenu, AboutShowsTheApplicationsNameAndVersion) {
    CUI_AppDelegate::buildMainMenu();
    const auto about =
        platform::Application::shared()->mainMenu()->itemAtIndex(0)->submenu()->itemAtIndex(0);
    std::optional<platform::testing::ShownAlert> shown;
    platform::MainQueue::async([&] { shown = platform::testing::shownAlert(); });
    ModalScript script;
    script.run().clickButton(0);
    EXPECT_TRUE(about->performAction());
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->messageText, "Pondaro");
    EXPECT_EQ(shown->informativeText, "Version 0.1.0");
    EXPECT_EQ(shown->buttonTitles, std::vector<std::string>{"OK"});
}

} // namespace
