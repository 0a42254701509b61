// Alerts named by id: defining, key equivalents, showing and answering by real clicks and keys,
// the registry, dismissing, sheets, button strings and alerts made from errors.

#include "ShellTesting.h"

#include "runtime/shell/AlertOperations.h"
#include "runtime/shell/CUI_AlertDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Tags.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "platform/windows/Alert.h"

#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace shelltest;
using platform::Ref;
using platform::String;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::ShownAlert;

namespace {

constexpr std::int64_t omitted = kParamNotGiven;

Ref<String> text(const char* utf8) {
    return String::fromUtf8(utf8);
}

std::vector<std::string> titlesOf(const platform::Alert& alert) {
    std::vector<std::string> titles;
    for (const auto& button : alert.buttons())
        titles.push_back(button->title()->utf8());
    return titles;
}

using Titles = std::vector<std::string>;
// (response, tag) of each ending the dialog callback heard.
using Endings = std::vector<std::pair<std::int64_t, std::int64_t>>;

class Alerts : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        DialogCallbackSet(dialogCallback);
    }
    void TearDown() override {
        alertRegistry().clear();
        ShellTest::TearDown();
    }

    static Endings endings() {
        Endings result;
        for (const auto& call : heard())
            if (call.event == AlertEvent::Ended)
                result.emplace_back(call.tag, call.wndTag);
        return result;
    }

    // Scripts the next modal run: remembers the alert it shows, then plays the steps.
    void answerNextAlert(ModalScript& script, std::function<void(ModalScript&)> steps) {
        script.everyRun([this, steps](ModalScript& run) {
            const auto alert = platform::testing::shownAlert();
            shown = alert ? alert->description() : "no alert";
            steps(run);
        });
    }

    std::string shown;
};

std::int64_t defineGameOver() {
    return AlertRun(-2, omitted, text("You Won!"), text("Game Over"), text("Quit;Play Again"),
                    omitted);
}

// Defining and showing.

TEST_F(Alerts, ANegativeIdDefinesWithoutShowingAndAPositiveOneShows) {
    EXPECT_EQ(defineGameOver(), 0);
    EXPECT_FALSE(platform::testing::shownAlert());
    const auto alert = AlertFind(2);
    ASSERT_TRUE(alert);
    EXPECT_EQ(titlesOf(*alert), (Titles{"Quit", "Play Again"}));
    EXPECT_TRUE(endings().empty());

    ModalScript script;
    answerNextAlert(script, [](ModalScript& run) { run.clickButton(1); });
    EXPECT_EQ(AlertRun(2, omitted, nullptr, nullptr, nullptr, omitted), 1001);
    EXPECT_EQ(shown, "alert warning [You Won!] [Game Over] <Quit> <Play Again>");
    EXPECT_EQ(endings(), (Endings{{1001, 2}}));
    EXPECT_FALSE(AlertFind(2)) << "an alert that ended leaves the registry";
}

TEST_F(Alerts, AKeyEquivalentAnswersItsButtonAndOnesOutsideTheButtonsChangeNothing) {
    defineGameOver();
    const auto alert = AlertFind(2);
    AlertButtonKeySet(2, 1, text("\x1b"));
    ModalScript script;
    script.run().press(Key::Escape);
    EXPECT_EQ(AlertRun(2, omitted, nullptr, nullptr, nullptr, omitted), 1001);

    defineGameOver();
    AlertButtonKeySet(2, 2, text("\x1b"));
    AlertButtonKeySet(2, -1, text("\x1b"));
    AlertButtonKeySet(-2, 1, text("\x1b"));
    AlertButtonKeySet(3, 0, text("\x1b"));
    EXPECT_EQ(AlertFind(2)->buttons()[0]->keyEquivalent()->utf8(), "\r");
    EXPECT_EQ(AlertFind(2)->buttons()[1]->keyEquivalent()->utf8(), "");
}

TEST_F(Alerts, ASecondShowBuildsANewAlertFromItsOwnArguments) {
    ModalScript script;
    script.run().clickButton(0);
    AlertRun(2, omitted, text("First"), nullptr, text("A"), omitted);
    answerNextAlert(script, [](ModalScript& run) { run.clickButton(2); });
    EXPECT_EQ(AlertRun(2, 1, text("Second"), text("More"), text("X;Y;Z"), omitted), 1002);
    EXPECT_EQ(shown, "alert informational [Second] [More] <X> <Y> <Z>");
}

TEST_F(Alerts, ShowingADefinedAlertUpdatesItsTextsAndStyleButNotItsButtons) {
    AlertRun(-4, omitted, text("One"), text("Details"), text("A;B"), omitted);
    ModalScript script;
    answerNextAlert(script, [](ModalScript& run) { run.clickButton(0); });
    AlertRun(4, 2, text("Two"), nullptr, text("X;Y;Z"), omitted);
    // An absent text keeps the one defined.
    EXPECT_EQ(shown, "alert critical [Two] [Details] <A> <B>");
}

TEST_F(Alerts, ANegativeIdDismissesADefinedAlert) {
    AlertRun(-5, omitted, text("Bye"), nullptr, text("OK"), omitted);
    AlertRun(-6, omitted, text("Stays"), nullptr, nullptr, omitted);
    EXPECT_EQ(AlertRun(-5, omitted, nullptr, nullptr, nullptr, omitted), 0);
    EXPECT_FALSE(AlertFind(5));
    EXPECT_TRUE(AlertFind(6));
    EXPECT_EQ(endings(), (Endings{{0, 5}}));
}

TEST_F(Alerts, AnAlertDismissedWhileItIsUpEndsOnce) {
    defineGameOver();
    platform::MainQueue::async([] { AlertRun(-2, omitted, nullptr, nullptr, nullptr, omitted); });
    ModalScript script;
    script.run();
    EXPECT_EQ(AlertRun(2, omitted, nullptr, nullptr, nullptr, omitted),
              platform::ModalResponse::Abort);
    EXPECT_EQ(endings(), (Endings{{0, 2}}));
    EXPECT_FALSE(AlertFind(2));
}

TEST_F(Alerts, TheSuppressionCheckBoxStateIsKeptWhenAnAlertEnds) {
    AlertRun(-2, omitted, text("Again?"), nullptr, text("OK"), omitted);
    const auto alert = AlertFind(2);
    alert->setShowsSuppressionButton(true);
    alert->suppressionButton()->setState(1);
    ModalScript script;
    script.run().clickButton(0);
    AlertRun(2, omitted, nullptr, nullptr, nullptr, omitted);
    EXPECT_EQ(sharedAlertDelegate()->lastSuppressionButtonState(), 1);
    AlertRun(-3, omitted, text("Other"), nullptr, nullptr, omitted);
    AlertRun(-3, omitted, nullptr, nullptr, nullptr, omitted);
    EXPECT_EQ(sharedAlertDelegate()->lastSuppressionButtonState(), 0);
}

// Ids.

TEST_F(Alerts, IdsThatNameNoAlertDoNothing) {
    for (const std::int64_t id : {std::int64_t{0}, std::int64_t{1000001}, std::int64_t{-1000001},
                                  std::numeric_limits<std::int64_t>::min()}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(AlertRun(id, omitted, text("Nobody"), nullptr, nullptr, omitted), 0);
        EXPECT_TRUE(alertRegistry().empty());
    }
    EXPECT_FALSE(AlertFind(0));
    EXPECT_FALSE(AlertFind(1000001));
}

// Buttons.

TEST_F(Alerts, ButtonArgumentsGiveTheirButtons) {
    struct Case {
        const char* name;
        Ref<platform::Object> buttons;
        Titles titles;
    };
    const Case cases[] = {
        {"two semicolons in a row", text("A;;B"), {"A", "", "B"}},
        {"a trailing semicolon", text("A;B;"), {"A", "B", ""}},
        {"a single title", text("Go"), {"Go"}},
        {"an empty string", text(""), {}},
        {"an array", platform::Array::arrayWithObjects({text("P"), text("Q")}), {"P", "Q"}},
        {"neither string nor array", platform::Number::numberWithInteger(3), {}},
        {"none", nullptr, {}},
    };
    std::int64_t id = 10;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AlertRun(-id, omitted, text("Buttons"), nullptr, c.buttons, omitted);
        EXPECT_EQ(titlesOf(*AlertFind(id)), c.titles);
        ++id;
    }
}

// Errors.

TEST_F(Alerts, AnErrorObjectMakesThePlatformsErrorAlertAndTheOtherArgumentsAreUnused) {
    const auto info = platform::Dictionary::dictionary();
    info->setObjectForKey(text("The disk is full."), platform::LocalizedDescriptionKey());
    info->setObjectForKey(text("Free some space."),
                          platform::LocalizedRecoverySuggestionErrorKey());
    const auto error = platform::Error::errorWithDomainCodeUserInfo(text("Disk"), 28, info);
    ModalScript script;
    answerNextAlert(script, [](ModalScript& run) { run.clickButton(0); });
    EXPECT_EQ(AlertRun(11, 2, error, text("unused"), text("X;Y"), omitted), 1000);
    EXPECT_EQ(shown, "alert warning [The disk is full.] [Free some space.] <OK>");
    EXPECT_EQ(endings(), (Endings{{1000, 11}}));
}

// Sheets.

class AlertSheets : public Alerts {
protected:
    void SetUp() override {
        Alerts::SetUp();
        WindowOpen(1, text("Game"), kParamNotGiven, {});
        window = WindowWithTag(1);
    }

    // Runs the event loop until the dialog callback has heard an ending.
    static void runUntilEnded() {
        const auto loop = std::make_shared<platform::Window>(platform::Rect{50, 50, 100, 50},
                                                             platform::WindowStyleMask::Titled);
        std::function<void()> check = [&] {
            if (!endings().empty()) {
                platform::Application::shared()->stopModal();
                return;
            }
            platform::MainQueue::async(check);
        };
        platform::MainQueue::async(check);
        ModalScript script;
        script.run();
        platform::Application::shared()->runModalForWindow(loop);
        loop->close();
    }

    Ref<platform::Window> window;
};

TEST_F(AlertSheets, ASheetReturnsAtOnceAndItsAnswerReachesOnlyTheDialogCallback) {
    EXPECT_EQ(AlertRun(3, omitted, text("Sheet?"), nullptr, text("Yes;No"), 1), 0);
    const auto sheet = platform::testing::shownSheet(*window);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->messageText, "Sheet?");
    EXPECT_TRUE(AlertFind(3)) << "defined until the sheet ends";
    EXPECT_TRUE(endings().empty());

    ASSERT_TRUE(platform::testing::clickSheetButton(*window, 1));
    runUntilEnded();
    EXPECT_EQ(endings(), (Endings{{1001, 3}}));
    EXPECT_FALSE(AlertFind(3));
    EXPECT_FALSE(platform::testing::shownSheet(*window));
}

TEST_F(AlertSheets, GoesOnTheCurrentOutputWindow) {
    WindowOpen(2, text("Second"), kParamNotGiven, {});
    AlertRun(3, omitted, text("Where?"), nullptr, nullptr, 1);
    EXPECT_TRUE(platform::testing::shownSheet(*WindowWithTag(2)));
    EXPECT_FALSE(platform::testing::shownSheet(*window));
    AlertRun(-3, omitted, nullptr, nullptr, nullptr, omitted);
}

TEST_F(AlertSheets, DismissingASheetTakesItDownAndItNeverCompletes) {
    AlertRun(3, omitted, text("Sheet?"), nullptr, text("Yes;No"), 1);
    EXPECT_EQ(AlertRun(-3, omitted, nullptr, nullptr, nullptr, omitted), 0);
    EXPECT_FALSE(platform::testing::shownSheet(*window));
    EXPECT_EQ(endings(), (Endings{{0, 3}}));
    EXPECT_FALSE(AlertFind(3));
}

TEST_F(AlertSheets, WithoutAnyWindowASheetRunsModally) {
    window->close();
    // A closed window counts among the application's windows while anything holds it.
    window.reset();
    ASSERT_FALSE(FrontWindow()) << "a window of another test is still open";
    ModalScript script;
    script.run().clickButton(1);
    EXPECT_EQ(AlertRun(3, omitted, text("Sheet?"), nullptr, text("Yes;No"), 1), 1001);
}

// Help.

TEST_F(Alerts, HelpIsAskedOfTheDialogCallbackWhichAnswersThroughTheRecord) {
    AlertRun(-13, omitted, text("Help?"), nullptr, nullptr, omitted);
    const auto alert = AlertFind(13);
    EXPECT_FALSE(sharedAlertDelegate()->alertShowHelp(alert)) << "nobody gave help";
    whileHeard() = [] { DialogEventSetBoolVal(true); };
    EXPECT_TRUE(sharedAlertDelegate()->alertShowHelp(alert));
    ASSERT_FALSE(heard().empty());
    EXPECT_EQ(heard().back().event, AlertEvent::HelpRequested);
    EXPECT_EQ(heard().back().tag, 13);
    EXPECT_EQ(heard().back().wndTag, 13);
}

} // namespace
