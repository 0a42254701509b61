#include "AlertReport.h"
#include "CoreTesting.h"

#include "platform/app/Application.h"
#include "platform/app/ApplicationDelegate.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "runtime/core/RuntimeAlert.h"

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <string>

using namespace coretesting;
using platform::String;
using platform::testing::ModalScript;

namespace {

class RuntimeAlertTest : public CoreTest {
protected:
    void TearDown() override { platform::Application::shared()->setDelegate(nullptr); }
};
using RuntimeAlertDeathTest = RuntimeAlertTest;

// An application delegate that keeps the application running when asked to terminate.
class RefusingDelegate : public platform::ApplicationDelegate {
public:
    platform::TerminateReply
    applicationShouldTerminate(const platform::Ref<platform::Application>&) override {
        return platform::TerminateReply::Cancel;
    }
};

void refuseTermination() {
    platform::Application::shared()->setDelegate(std::make_shared<RefusingDelegate>());
}

void reportAnswering(int fatal, int button) {
    ModalScript script;
    script.run().clickButton(button);
    reportAlertWhenShown();
    RuntimeAlert(String::fromUtf8("Something broke"), String::fromUtf8("Details"), fatal);
    std::fprintf(stderr, "returned\n");
    std::fflush(stderr);
    std::_Exit(3);
}

} // namespace

TEST_F(RuntimeAlertTest, ANonFatalReportOffersStopContinueCrashAndContinueChangesNothing) {
    PStr& kept = temp("kept");
    pstrResult() = PStrLiteral("result");
    std::optional<platform::testing::ShownAlert> shown;
    platform::MainQueue::async([&] { shown = platform::testing::shownAlert(); });
    ModalScript script;
    script.run().clickButton(1);

    RuntimeAlert(String::fromUtf8("Careful"), String::fromUtf8("It may go on"), 0);

    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->description(),
              "alert warning [Careful] [It may go on] <Stop> <Continue> <Crash>");
    EXPECT_EQ(gQVStk(), 1);
    EXPECT_EQ(text(kept), "kept");
    EXPECT_EQ(text(pstrResult()), "result");
}

TEST_F(RuntimeAlertTest, StopReturnsWhenTheApplicationDeclinesToTerminate) {
    refuseTermination();
    ModalScript script;
    script.run().clickButton(0);
    RuntimeAlert(String::fromUtf8("Careful"), String::fromUtf8(""), 0);
    SUCCEED();
}

TEST_F(RuntimeAlertTest, MissingTranslationsGiveTheEnglishTexts) {
    for (const char* english : {"Quit", "Stop", "Continue", "Crash", "At line", " of ", "Index ",
                                " is outside the DIM range 0 to", "Array bounds error"})
        EXPECT_EQ(RuntimeText(english)->utf8(), english);
    EXPECT_EQ(AtLineText(81)->utf8(), "At line 81");
    EXPECT_EQ(AtLineText(-2)->utf8(), "At line -2");
}

TEST_F(RuntimeAlertDeathTest, EachButtonEndsTheProcessItsOwnWay) {
    using ::testing::ExitedWithCode;
    using ::testing::KilledBySignal;
    EXPECT_EXIT(reportAnswering(1, 0), ExitedWithCode(0),
                "alert critical \\[Something broke\\] \\[Details\\] <Quit> <Crash>");
    EXPECT_EXIT(reportAnswering(1, 1), KilledBySignal(SIGABRT), "<Quit> <Crash>");
    EXPECT_EXIT(reportAnswering(0, 0), ExitedWithCode(0), "<Stop> <Continue> <Crash>");
    EXPECT_EXIT(reportAnswering(0, 2), KilledBySignal(SIGABRT), "<Stop> <Continue> <Crash>");
    EXPECT_EXIT(reportAnswering(0, 1), ExitedWithCode(3), "returned");
}

TEST_F(RuntimeAlertDeathTest, AFatalQuitAbortsWhenTheApplicationDeclinesToTerminate) {
    EXPECT_EXIT(
        {
            refuseTermination();
            reportAnswering(1, 0);
        },
        ::testing::KilledBySignal(SIGABRT), "<Quit> <Crash>");
}

TEST_F(RuntimeAlertDeathTest, AnArrayBoundsErrorIsWrittenOutBeforeItsAlertShows) {
    const auto boundsError = [] {
        ModalScript script;
        script.run().clickButton(1);
        reportAlertWhenShown();
        ArrayBoundsError(14, 81, 13, String::fromUtf8("Pondaro"));
    };
    EXPECT_EXIT(boundsError(), ::testing::KilledBySignal(SIGABRT),
                "Array bounds error:\nAt line 81 of Pondaro\nIndex 14 is outside the DIM range 0 "
                "to 13\\. \\[Type ctrl-C if process hangs\\]\n.*alert critical \\[Array bounds "
                "error\\] \\[At line 81 of Pondaro\nIndex 14 is outside the DIM range 0 to 13\\] "
                "<Quit> <Crash>");
}
