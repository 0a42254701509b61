// The runtime's main menu on the platform: Ctrl+Q asks the delegate's callback and ends the
// process or, answered with no, keeps it running; the about item shows the bundle's name.

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
    std::vector<std::int64_t> events;
    for (const auto& call : heard())
        if (call.event == AppEvent::ShouldTerminate || call.event == AppEvent::WillTerminate)
            events.push_back(call.event);
    EXPECT_EQ(events, std::vector<std::int64_t>{AppEvent::ShouldTerminate});
}

TEST_F(MainMenu, AboutShowsTheApplicationsNameAndVersion) {
    CUI_AppDelegate::buildMainMenu();
    const auto about =
        platform::Application::shared()->mainMenu()->itemAtIndex(0)->submenu()->itemAtIndex(0);
    std::string shown;
    platform::MainQueue::async([&] { shown = platform::testing::shownAlert()->description(); });
    ModalScript script;
    script.run().clickButton(0);
    EXPECT_TRUE(about->performAction());
    EXPECT_EQ(shown, "alert informational [Pondaro] [Version 0.1.0] <OK>");
}

} // namespace
