// Alerts: what they show, the answer each button and key gives, what cannot end them, sheets over
// a window, alerts made from errors, and the help button.

#include "platform/windows/Alert.h"
#include "platform/app/Application.h"
#include "platform/detail/ModalRun.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Notification.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/windows/AlertDelegate.h"
#include "platform/windows/Window.h"
#include "platform/windows/WindowDelegate.h"

#include "TestText.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::processEventsUntil;
using testsupport::text;

namespace {

Ref<Alert> alertWithButtons(std::initializer_list<const char*> titles) {
    auto alert = std::make_shared<Alert>();
    alert->setMessageText(text("Message"));
    alert->setInformativeText(text("Details"));
    for (const char* title : titles)
        alert->addButtonWithTitle(text(title));
    return alert;
}

// Runs the alert, playing the steps once it shows: answers its response and how it looked.
std::pair<std::int64_t, std::string> runAlert(const Ref<Alert>& alert,
                                              const std::function<void(ModalScript&)>& steps) {
    std::string shown = "no alert";
    ModalScript script;
    script.everyRun([&](ModalScript& run) {
        if (const auto seen = platform::testing::shownAlert())
            shown = seen->description();
        steps(run.run());
    });
    const std::int64_t response = alert->runModal();
    return {response, shown};
}

// Looks at the alert's dialog once its modal run has started, before any scripted input.
void inspectDuringRun(std::function<void(QDialog&)> inspect) {
    QTimer::singleShot(0, qApp, [inspect] {
        auto* run = detail::ModalRun::innermost();
        auto* dialog = run ? qobject_cast<QDialog*>(run->widget()) : nullptr;
        ASSERT_NE(dialog, nullptr) << "the alert runs no dialog";
        inspect(*dialog);
    });
}

// The alert's push buttons in the order they were added.
std::vector<QAbstractButton*> buttonsOf(QWidget& dialog) {
    std::vector<QAbstractButton*> buttons;
    for (auto* button : dialog.findChildren<QAbstractButton*>())
        if (button->inherits("QPushButton"))
            buttons.push_back(button);
    std::sort(buttons.begin(), buttons.end(), [](auto* a, auto* b) {
        return a->property("platformButtonIndex").toInt() <
               b->property("platformButtonIndex").toInt();
    });
    return buttons;
}

const auto clickFirst = [](ModalScript& run) { run.clickButton(0); };

} // namespace

TEST(Alert, EachButtonAnswersItsOwnResponseAndTheFirstStandsRightmost) {
    for (const int click : {0, 1, 2}) {
        bool firstIsRightmost = false;
        inspectDuringRun([&](QDialog& dialog) {
            const auto buttons = buttonsOf(dialog);
            firstIsRightmost =
                buttons[0]->x() > buttons[1]->x() && buttons[1]->x() > buttons[2]->x();
        });
        const auto [response, shown] =
            runAlert(alertWithButtons({"Stop", "Continue", "Crash"}),
                     [click](ModalScript& run) { run.clickButton(click); });
        EXPECT_EQ(response, 1000 + click);
        EXPECT_EQ(shown, "alert warning [Message] [Details] <Stop> <Continue> <Crash>");
        EXPECT_TRUE(firstIsRightmost);
    }
}

// Without buttons an alert offers "OK"; each style shows its own icon.
TEST(Alert, ShowsItsStylesIconAndOKWhenItHasNoButtons) {
    const std::pair<AlertStyle, const char*> cases[] = {
        {AlertStyle::Warning, "alert warning [] [] <OK>"},
        {AlertStyle::Informational, "alert informational [] [] <OK>"},
        {AlertStyle::Critical, "alert critical [] [] <OK>"},
    };
    for (const auto& [style, expected] : cases) {
        const auto alert = std::make_shared<Alert>();
        alert->setAlertStyle(style);
        const auto [response, shown] =
            runAlert(alert, [](ModalScript& run) { run.press(Key::Return); });
        EXPECT_EQ(response, AlertFirstButtonReturn);
        EXPECT_EQ(shown, expected);
    }
}

// Return answers the first button whatever has the focus; Escape and other characters answer a
// button only when it has them as key equivalent. Were a key to end the alert wrongly, the click
// after it would be left over and the response wrong.
TEST(Alert, KeysAnswerTheButtonsTheyAreKeyEquivalentsOf) {
    struct Case {
        const char* key;
        std::function<void(ModalScript&)> steps;
        std::int64_t response;
    };
    const Case cases[] = {
        {nullptr, [](ModalScript& run) { run.press(Key::Return); }, AlertFirstButtonReturn},
        {nullptr, [](ModalScript& run) { run.press(Key::Escape).clickButton(2); },
         AlertThirdButtonReturn},
        {"\x1b", [](ModalScript& run) { run.press(Key::Escape); }, AlertSecondButtonReturn},
        {"d", [](ModalScript& run) { run.type("x").type("d"); }, AlertSecondButtonReturn},
    };
    for (const Case& c : cases) {
        const auto alert = alertWithButtons({"Save", "Don't Save", "Cancel"});
        if (c.key)
            alert->buttons()[1]->setKeyEquivalent(text(c.key));
        inspectDuringRun([](QDialog& dialog) { buttonsOf(dialog)[1]->setFocus(); });
        EXPECT_EQ(runAlert(alert, c.steps).first, c.response) << (c.key ? c.key : "no key");
    }
}

TEST(Alert, NeitherTheWindowManagerNorAnyCloseButtonEndsItButStoppingTheRunDoes) {
    bool stillShown = false;
    bool hasCloseButton = true;
    inspectDuringRun([&](QDialog& dialog) {
        hasCloseButton = dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint);
        dialog.close();
        stillShown = dialog.isVisible();
    });
    const auto alert = alertWithButtons({"Quit", "Crash"});
    EXPECT_EQ(runAlert(alert, [](ModalScript& run) { run.clickButton(1); }).first,
              AlertSecondButtonReturn);
    EXPECT_TRUE(stillShown);
    EXPECT_FALSE(hasCloseButton);

    QTimer::singleShot(0, qApp, [] { Application::shared()->stopModalWithCode(77); });
    EXPECT_EQ(alert->runModal(), 77);
    QTimer::singleShot(0, qApp, [alert] { alert->closeWindow(); });
    EXPECT_EQ(alert->runModal(), ModalResponse::Abort);
}

// The check box counts after the buttons for clicks.
TEST(Alert, TheSuppressionCheckBoxKeepsTheStateTheUserLeft) {
    const auto alert = alertWithButtons({"OK", "Cancel"});
    EXPECT_EQ(runAlert(alert, clickFirst).second,
              "alert warning [Message] [Details] <OK> <Cancel>");
    alert->setShowsSuppressionButton(true);
    const auto [response, shown] =
        runAlert(alert, [](ModalScript& run) { run.clickButton(2).clickButton(1); });
    EXPECT_EQ(response, AlertSecondButtonReturn);
    EXPECT_EQ(shown, "alert warning [Message] [Details] <OK> <Cancel> (suppression button)");
    EXPECT_EQ(alert->suppressionButton()->state(), 1);
    runAlert(alert, [](ModalScript& run) { run.clickButton(2).clickButton(0); });
    EXPECT_EQ(alert->suppressionButton()->state(), 0);
}

// The help button counts after the buttons; it asks the delegate and leaves the alert up.
TEST(Alert, TheHelpButtonAsksTheDelegateAndLeavesTheAlertUp) {
    struct Helper : AlertDelegate {
        bool alertShowHelp(const Ref<Alert>& alert) override {
            asked = alert;
            return true;
        }
        Ref<Alert> asked;
    };
    const auto helper = std::make_shared<Helper>();
    const auto alert = alertWithButtons({"OK", "Cancel"});
    alert->setShowsHelp(true);
    alert->setDelegate(helper);
    EXPECT_EQ(runAlert(alert, [](ModalScript& run) { run.clickButton(2).clickButton(1); }).first,
              AlertSecondButtonReturn);
    EXPECT_EQ(helper->asked, alert);
}

TEST(Alert, AnErrorsAlertShowsItsDescriptionSuggestionAndRecoveryOptions) {
    const auto error = [](std::vector<std::pair<Ref<String>, Ref<Object>>> details) {
        auto userInfo = Dictionary::dictionary();
        for (const auto& [key, value] : details)
            userInfo->setObjectForKey(value, key);
        return Error::errorWithDomainCodeUserInfo(text("PondaroDomain"), 42, userInfo);
    };
    const auto options = Array::arrayWithObjects({text("Retry"), text("Give Up")});
    const std::pair<Ref<Error>, const char*> cases[] = {
        {error({{LocalizedDescriptionKey(), text("The deck is empty.")},
                {LocalizedRecoverySuggestionErrorKey(), text("Deal again.")}}),
         "alert warning [The deck is empty.] [Deal again.] <OK>"},
        {error({{LocalizedFailureReasonErrorKey(), text("No disk.")}}),
         "alert warning [The operation couldn’t be completed. No disk.] [] <OK>"},
        {error({{LocalizedRecoveryOptionsErrorKey(), options}}),
         "alert warning [The operation couldn’t be completed. (PondaroDomain error 42.)] [] "
         "<Retry> <Give Up>"},
    };
    for (const auto& [cause, expected] : cases)
        EXPECT_EQ(runAlert(Alert::alertWithError(cause), clickFirst).second, expected);
    EXPECT_EQ(cases[0].first->description()->utf8(),
              "Error Domain=PondaroDomain Code=42 \"The deck is empty.\"");
}

namespace {

class SheetLog : public WindowDelegate {
public:
    void windowWillBeginSheet(const Ref<Notification>&) override { events.push_back("begin"); }
    void windowDidEndSheet(const Ref<Notification>&) override { events.push_back("end"); }
    std::vector<std::string> events;
};

class AlertSheet : public ::testing::Test {
protected:
    AlertSheet() { window->makeKeyAndOrderFront(); }
    ~AlertSheet() override { window->close(); }
    const Ref<Window> window =
        std::make_shared<Window>(Rect(100, 100, 400, 300), WindowStyleMask::Titled);
};

} // namespace

// A sheet blocks only its window; the handler runs from the event loop after the click.
TEST_F(AlertSheet, CompletesLaterFromTheLoopWithTheClickedButtonsResponse) {
    const auto log = std::make_shared<SheetLog>();
    window->setDelegate(log);
    std::optional<std::int64_t> response;
    {
        const auto alert = alertWithButtons({"Quit", "Play Again"});
        alert->beginSheetModalForWindowCompletionHandler(
            window, [&response](std::int64_t value) { response = value; });
        EXPECT_EQ(alert->sheetParent(), window);
    }
    const auto shown = platform::testing::shownSheet(*window);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->description(), "alert warning [Message] [Details] <Quit> <Play Again>");
    auto* dialog = window->peer().widget->findChild<QDialog*>();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
    EXPECT_EQ(log->events, std::vector<std::string>{"begin"});

    ASSERT_TRUE(platform::testing::clickSheetButton(*window, 1));
    EXPECT_FALSE(response) << "the handler ran inside the click";
    processEventsUntil([&] { return response.has_value(); });
    EXPECT_EQ(response, AlertSecondButtonReturn);
    EXPECT_FALSE(platform::testing::shownSheet(*window));
    EXPECT_EQ(log->events, (std::vector<std::string>{"begin", "end"}));
}

// Also when the click was already made; the alert can go up again afterwards.
TEST_F(AlertSheet, ClosingTheAlertsWindowTakesTheSheetAwayWithoutAnAnswer) {
    const auto alert = std::make_shared<Alert>();
    bool answered = false;
    for (const bool clicked : {false, true}) {
        alert->beginSheetModalForWindowCompletionHandler(
            window, [&answered](std::int64_t) { answered = true; });
        ASSERT_TRUE(platform::testing::shownSheet(*window));
        if (clicked) {
            ASSERT_TRUE(platform::testing::clickSheetButton(*window, 0));
        }
        alert->closeWindow();
        EXPECT_FALSE(platform::testing::shownSheet(*window));
        EXPECT_FALSE(alert->sheetParent());
        QApplication::processEvents();
        EXPECT_FALSE(answered);
    }
}
