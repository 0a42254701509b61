// Alerts named by id: defining, key equivalents, showing and answering, the registry,
// dismissing, sheets, button strings, alerts made from errors, and the queued error notice.

#include "ShellTesting.h"

#include "runtime/shell/AlertOperations.h"
#include "runtime/shell/CUI_AlertDelegate.h"
#include "runtime/shell/ErrorNotice.h"

#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Number.h"
#include "platform/windows/Alert.h"

#include <functional>
#include <limits>
#include <string>
#include <vector>

using namespace shelltest;

namespace {

constexpr std::int64_t omitted = kParamNotGiven;

// The alert's button titles, then each button's key equivalent: "A=\r B=".
std::string buttonsOf(std::int64_t id) {
    std::string line;
    for (const auto& button : AlertFind(id)->buttons())
        line += (line.empty() ? "" : " ") + button->title()->utf8() + "=" +
                button->keyEquivalent()->utf8();
    return line;
}

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

    // Shows the alert with the id, remembering how it looked, and answers it with the steps.
    std::int64_t show(std::int64_t id, std::function<void(ModalScript&)> steps,
                      std::int64_t style = omitted, const char* message = nullptr,
                      const char* informative = nullptr, const char* buttons = nullptr) {
        ModalScript script;
        script.everyRun([this, steps](ModalScript& run) {
            const auto alert = platform::testing::shownAlert();
            shown = alert ? alert->description() : "no alert";
            steps(run);
        });
        return AlertRun(id, style, text(message), text(informative), text(buttons), omitted);
    }

    std::string shown;
};

void click(int button, ModalScript& run) {
    run.run().clickButton(button);
}
const auto first = [](ModalScript& run) { click(0, run); };
const auto second = [](ModalScript& run) { click(1, run); };

std::int64_t defineGameOver() {
    return AlertRun(-2, omitted, text("You Won!"), text("Game Over"), text("Quit;Play Again"),
                    omitted);
}

TEST_F(Alerts, ANegativeIdDefinesWithoutShowingAndAPositiveOneShowsAndEnds) {
    EXPECT_EQ(defineGameOver(), 0);
    EXPECT_FALSE(platform::testing::shownAlert());
    EXPECT_EQ(buttonsOf(2), "Quit=\r Play Again=");
    EXPECT_TRUE(endings().empty());
    EXPECT_EQ(show(2, second), 1001);
    EXPECT_EQ(shown, "alert warning [You Won!] [Game Over] <Quit> <Play Again>");
    EXPECT_EQ(endings(), (Endings{{1001, 2}}));
    EXPECT_FALSE(AlertFind(2)) << "an alert that ended leaves the registry";
}

TEST_F(Alerts, AKeyEquivalentGoesToItsButtonAndOnesOutsideTheButtonsChangeNothing) {
    defineGameOver();
    const std::pair<std::int64_t, std::int64_t> outside[] = {{2, 2}, {2, -1}, {-2, 1}, {3, 0}};
    for (const auto& [id, index] : outside)
        AlertButtonKeySet(id, index, text("\x1b"));
    EXPECT_EQ(buttonsOf(2), "Quit=\r Play Again=");
    AlertButtonKeySet(2, 1, text("\x1b"));
    AlertButtonKeySet(2, 0, nullptr);
    EXPECT_EQ(buttonsOf(2), "Quit= Play Again=\x1b");
}

TEST_F(Alerts, ShowingBuildsFromTheArgumentsOrUpdatesADefinedAlertsTextsAndStyleOnly) {
    show(2, first, omitted, "First", nullptr, "A");
    EXPECT_EQ(show(
                  2, [](ModalScript& run) { click(2, run); }, 1, "Second", "More", "X;Y;Z"),
              1002);
    EXPECT_EQ(shown, "alert informational [Second] [More] <X> <Y> <Z>");

    AlertRun(-4, omitted, text("One"), text("Details"), text("A;B"), omitted);
    show(4, first, 2, "Two", nullptr, "X;Y;Z");
    // An absent text keeps the one defined.
    EXPECT_EQ(shown, "alert critical [Two] [Details] <A> <B>");
}

TEST_F(Alerts, ANegativeIdDismissesADefinedAlertAlsoWhileItIsUp) {
    AlertRun(-5, omitted, text("Bye"), nullptr, text("OK"), omitted);
    AlertRun(-6, omitted, text("Stays"), nullptr, nullptr, omitted);
    EXPECT_EQ(AlertRun(-5, omitted, nullptr, nullptr, nullptr, omitted), 0);
    EXPECT_FALSE(AlertFind(5));
    EXPECT_TRUE(AlertFind(6));
    EXPECT_EQ(endings(), (Endings{{0, 5}}));

    heard().clear();
    defineGameOver();
    platform::MainQueue::async([] { AlertRun(-2, omitted, nullptr, nullptr, nullptr, omitted); });
    EXPECT_EQ(show(2, [](ModalScript& run) { run.run(); }), platform::ModalResponse::Abort);
    EXPECT_EQ(endings(), (Endings{{0, 2}}));
    EXPECT_FALSE(AlertFind(2));
}

TEST_F(Alerts, TheSuppressionCheckBoxStateIsKeptWhenAnAlertEnds) {
    AlertRun(-2, omitted, text("Again?"), nullptr, text("OK"), omitted);
    const auto alert = AlertFind(2);
    alert->setShowsSuppressionButton(true);
    alert->suppressionButton()->setState(1);
    show(2, first);
    EXPECT_EQ(sharedAlertDelegate()->lastSuppressionButtonState(), 1);
    AlertRun(-3, omitted, text("Other"), nullptr, nullptr, omitted);
    AlertRun(-3, omitted, nullptr, nullptr, nullptr, omitted);
    EXPECT_EQ(sharedAlertDelegate()->lastSuppressionButtonState(), 0);
}

TEST_F(Alerts, IdsBeyondTheThresholdNameNoAlert) {
    for (const std::int64_t id : {std::int64_t{0}, std::int64_t{1000001}, std::int64_t{-1000001},
                                  std::numeric_limits<std::int64_t>::min()}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(AlertRun(id, omitted, text("Nobody"), nullptr, nullptr, omitted), 0);
        EXPECT_TRUE(alertRegistry().empty());
    }
    AlertRun(-1000000, omitted, text("Last"), nullptr, nullptr, omitted);
    EXPECT_TRUE(AlertFind(1000000));
}

TEST_F(Alerts, ButtonArgumentsGiveTheirButtons) {
    const std::pair<Ref<platform::Object>, const char*> cases[] = {
        {text("A;;B"), "A=\r = B="},
        {text("A;B;"), "A=\r B= ="},
        {text("Go"), "Go=\r"},
        {text(""), ""},
        {platform::Array::arrayWithObjects({text("P"), text("Q")}), "P=\r Q="},
        {platform::Number::numberWithInteger(3), ""},
        {nullptr, ""},
    };
    std::int64_t id = 10;
    for (const auto& [buttons, expected] : cases) {
        SCOPED_TRACE(expected);
        AlertRun(-id, omitted, text("Buttons"), nullptr, buttons, omitted);
        EXPECT_EQ(buttonsOf(id++), expected);
    }
}

TEST_F(Alerts, AnErrorObjectMakesThePlatformsErrorAlertAndTheOtherArgumentsAreUnused) {
    const auto info = platform::Dictionary::dictionary();
    info->setObjectForKey(text("The disk is full."), platform::LocalizedDescriptionKey());
    info->setObjectForKey(text("Free some space."),
                          platform::LocalizedRecoverySuggestionErrorKey());
    const auto error = platform::Error::errorWithDomainCodeUserInfo(text("Disk"), 28, info);
    ModalScript script;
    script.everyRun([this](ModalScript& run) {
        shown = platform::testing::shownAlert()->description();
        run.run().clickButton(0);
    });
    EXPECT_EQ(AlertRun(11, 2, error, text("unused"), text("X;Y"), omitted), 1000);
    EXPECT_EQ(shown, "alert warning [The disk is full.] [Free some space.] <OK>");
    EXPECT_EQ(endings(), (Endings{{1000, 11}}));
}

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

// Sheets: on the current output window, at once, answered only through the dialog callback.
TEST_F(Alerts, ASheetReturnsAtOnceAndItsAnswerReachesOnlyTheDialogCallback) {
    const auto window = openWindow(1);
    openWindow(2);
    CurrentOutputWindowTagSet(1);
    EXPECT_EQ(AlertRun(3, omitted, text("Sheet?"), nullptr, text("Yes;No"), 1), 0);
    EXPECT_FALSE(platform::testing::shownSheet(*WindowWithTag(2)));
    const auto sheet = platform::testing::shownSheet(*window);
    ASSERT_TRUE(sheet);
    EXPECT_EQ(sheet->messageText, "Sheet?");
    EXPECT_TRUE(AlertFind(3)) << "defined until the sheet ends";
    EXPECT_TRUE(endings().empty());

    ASSERT_TRUE(platform::testing::clickSheetButton(*window, 1));
    std::function<void()> check = [&] {
        if (!endings().empty())
            return platform::Application::shared()->stopModal();
        platform::MainQueue::async(check);
    };
    platform::MainQueue::async(check);
    ModalScript script;
    script.run();
    runModalWindow();
    EXPECT_EQ(endings(), (Endings{{1001, 3}}));
    EXPECT_FALSE(AlertFind(3));
    EXPECT_FALSE(platform::testing::shownSheet(*window));

    CurrentOutputWindowTagSet(1);
    AlertRun(3, omitted, text("Again?"), nullptr, nullptr, 1);
    EXPECT_EQ(AlertRun(-3, omitted, nullptr, nullptr, nullptr, omitted), 0);
    EXPECT_FALSE(platform::testing::shownSheet(*window)) << "dismissed, it never completes";
    EXPECT_EQ(endings(), (Endings{{1001, 3}, {0, 3}}));
}

TEST_F(Alerts, WithoutAnyWindowASheetRunsModally) {
    ASSERT_FALSE(FrontWindow()) << "a window of another test is still open";
    ModalScript script;
    script.run().clickButton(1);
    EXPECT_EQ(AlertRun(3, omitted, text("Sheet?"), nullptr, text("Yes;No"), 1), 1001);
}

void post(const char* message, const char* details) {
    ErrorNotice(text(message), text(details), platform::AlertStyle::Warning);
}

TEST_F(Alerts, ErrorNoticesAreShownLaterOneAfterAnotherInTheOrderPosted) {
    post("Tag error.", "Can't find view 7 in window 3.");
    post("Error.", "Can't find any windows.");
    EXPECT_FALSE(platform::testing::shownAlert());
    EXPECT_EQ(answerNotices(2),
              "alert warning [Tag error.] [Can't find view 7 in window 3.] <OK> <Quit>\n"
              "alert warning [Error.] [Can't find any windows.] <OK> <Quit>\n");
}

TEST_F(Alerts, QuitInAnErrorNoticeEndsTheProcessWithStatusZero) {
    EXPECT_EXIT(
        {
            post("Error.", "Can't find any windows.");
            ModalScript script;
            script.run();
            script.run().clickButton(1);
            runUntilAlertsAnswered();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
