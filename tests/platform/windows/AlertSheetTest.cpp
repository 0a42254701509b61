#include "platform/app/Application.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/windows/Alert.h"
#include "platform/windows/AlertDelegate.h"
#include "platform/windows/Window.h"
#include "platform/windows/WindowDelegate.h"

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace platform;
using platform::testing::ModalScript;
using platform::testing::ShownAlert;

using platform::testing::clickWidget;
using platform::testing::processEventsUntil;

namespace {

Ref<String> text(const char* utf8) {
    return String::fromUtf8(utf8);
}

std::string utf8(const Ref<String>& string) {
    const auto& units = string->utf16();
    return QString::fromStdU16String(units).toStdString();
}

Ref<Error> errorWith(std::initializer_list<std::pair<Ref<String>, Ref<Object>>> details) {
    auto userInfo = Dictionary::dictionary();
    for (const auto& [key, value] : details)
        userInfo->setObjectForKey(value, key);
    return Error::errorWithDomainCodeUserInfo(text("PondaroDomain"), 42, userInfo);
}

// The alert as shown while its modal run is going, answered with its first button.
std::optional<ShownAlert> showModally(const Ref<Alert>& alert) {
    std::optional<ShownAlert> shown;
    QTimer::singleShot(0, qApp, [&shown] { shown = platform::testing::shownAlert(); });
    ModalScript script;
    script.run().clickButton(0);
    alert->runModal();
    return shown;
}

// Lets the event loop run the work queued so far.
void processPendingEvents() {
    bool done = false;
    QTimer::singleShot(0, qApp, [&done] { done = true; });
    processEventsUntil([&done] { return done; });
}

Ref<Window> shownWindow() {
    const auto window = std::make_shared<Window>(Rect(100, 100, 400, 300), WindowStyleMask::Titled);
    window->makeKeyAndOrderFront();
    return window;
}

class SheetLog : public WindowDelegate {
public:
    void windowWillBeginSheet(const Ref<Notification>&) override { events.push_back("begin"); }
    void windowDidEndSheet(const Ref<Notification>&) override { events.push_back("end"); }
    std::vector<std::string> events;
};

} // namespace

TEST(ErrorTexts, TheDescriptionComesFromTheDetailsOrElseFromDomainAndCode) {
    const auto described = errorWith({{LocalizedDescriptionKey(), text("The file is gone.")}});
    EXPECT_EQ(utf8(described->localizedDescription()), "The file is gone.");
    EXPECT_EQ(utf8(described->description()),
              "Error Domain=PondaroDomain Code=42 \"The file is gone.\"");

    const auto withReason = errorWith({{LocalizedFailureReasonErrorKey(), text("No disk.")}});
    EXPECT_EQ(utf8(withReason->localizedDescription()),
              "The operation couldn’t be completed. No disk.");

    const auto bare = errorWith({});
    EXPECT_EQ(utf8(bare->localizedDescription()),
              "The operation couldn’t be completed. (PondaroDomain error 42.)");
    EXPECT_FALSE(bare->localizedRecoverySuggestion());
    EXPECT_EQ(bare->userInfo()->count(), 0u);
}

TEST(AlertWithError, ShowsTheDescriptionAndTheRecoverySuggestion) {
    const auto error = errorWith({{LocalizedDescriptionKey(), text("The deck is empty.")},
                                  {LocalizedRecoverySuggestionErrorKey(), text("Deal again.")}});
    const auto shown = showModally(Alert::alertWithError(error));
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->messageText, "The deck is empty.");
    EXPECT_EQ(shown->informativeText, "Deal again.");
    EXPECT_EQ(shown->buttonTitles, std::vector<std::string>{"OK"});
    EXPECT_EQ(shown->style, AlertStyle::Warning);
}

TEST(AlertWithError, OffersTheRecoveryOptionsAsButtons) {
    auto options = Array::array();
    options->addObject(text("Retry"));
    options->addObject(text("Give Up"));
    const auto alert =
        Alert::alertWithError(errorWith({{LocalizedRecoveryOptionsErrorKey(), options}}));
    const auto shown = showModally(alert);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->buttonTitles, (std::vector<std::string>{"Retry", "Give Up"}));
    EXPECT_EQ(shown->messageText, "The operation couldn’t be completed. (PondaroDomain error 42.)");
}

TEST(AlertSheet, CompletesLaterFromTheLoopWithTheClickedButtonsResponse) {
    const auto window = shownWindow();
    const auto log = std::make_shared<SheetLog>();
    window->setDelegate(log);
    std::optional<std::int64_t> response;
    {
        const auto alert = std::make_shared<Alert>();
        alert->setMessageText(text("Game Over"));
        alert->addButtonWithTitle(text("Quit"));
        alert->addButtonWithTitle(text("Play Again"));
        alert->beginSheetModalForWindowCompletionHandler(
            window, [&response](std::int64_t value) { response = value; });
        EXPECT_EQ(alert->sheetParent(), window);
    }
    const auto shown = platform::testing::shownSheet(*window);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->messageText, "Game Over");
    EXPECT_EQ(shown->buttonTitles, (std::vector<std::string>{"Quit", "Play Again"}));
    EXPECT_EQ(log->events, std::vector<std::string>{"begin"});

    ASSERT_TRUE(platform::testing::clickSheetButton(*window, 1));
    EXPECT_FALSE(response) << "the handler ran inside the click";
    processEventsUntil([&] { return response.has_value(); });
    EXPECT_EQ(response, AlertSecondButtonReturn);
    EXPECT_FALSE(platform::testing::shownSheet(*window));
    EXPECT_EQ(log->events, (std::vector<std::string>{"begin", "end"}));
    window->close();
}

TEST(AlertSheet, ClosingTheAlertsWindowTakesTheSheetAwayWithoutAnAnswer) {
    const auto window = shownWindow();
    const auto alert = std::make_shared<Alert>();
    bool answered = false;
    alert->beginSheetModalForWindowCompletionHandler(
        window, [&answered](std::int64_t) { answered = true; });
    ASSERT_TRUE(platform::testing::shownSheet(*window));
    alert->closeWindow();
    EXPECT_FALSE(platform::testing::shownSheet(*window));
    EXPECT_FALSE(alert->sheetParent());
    processPendingEvents();
    EXPECT_FALSE(answered);

    // A click already made is dropped too, and the alert can go up again.
    alert->beginSheetModalForWindowCompletionHandler(
        window, [&answered](std::int64_t) { answered = true; });
    ASSERT_TRUE(platform::testing::clickSheetButton(*window, 0));
    alert->closeWindow();
    processPendingEvents();
    EXPECT_FALSE(answered);
    window->close();
}

TEST(AlertSheet, ClosingTheWindowOfAModalAlertEndsItsRun) {
    const auto alert = std::make_shared<Alert>();
    alert->addButtonWithTitle(text("OK"));
    QTimer::singleShot(0, qApp, [alert] { alert->closeWindow(); });
    EXPECT_EQ(alert->runModal(), ModalResponse::Abort);
}

TEST(AlertHelp, TheHelpButtonAsksTheDelegateAndLeavesTheAlertUp) {
    struct Helper : AlertDelegate {
        bool alertShowHelp(const Ref<Alert>& alert) override {
            asked = alert;
            return true;
        }
        Ref<Alert> asked;
    };
    const auto helper = std::make_shared<Helper>();
    const auto alert = std::make_shared<Alert>();
    alert->addButtonWithTitle(text("OK"));
    alert->addButtonWithTitle(text("Cancel"));
    alert->setShowsHelp(true);
    alert->setDelegate(helper);
    ModalScript script;
    // The help button counts after the buttons.
    script.run().clickButton(2).clickButton(1);
    EXPECT_EQ(alert->runModal(), AlertSecondButtonReturn);
    EXPECT_EQ(helper->asked, alert);
}
