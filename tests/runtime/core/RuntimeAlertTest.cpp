#include "CoreTesting.h"

#include "platform/app/Application.h"
#include "platform/app/ApplicationDelegate.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "runtime/core/RuntimeAlert.h"

#include <gtest/gtest.h>

#include <csignal>
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

// Continue returns with the temporary strings and the shared result as they were: the report
// must work after the string stack has overflowed, so it may not use it.
TEST_F(RuntimeAlertTest, ContinueReturnsAndChangesNoString) {
    PStr& kept = temp("kept");
    pstrResult() = PStrLiteral("result");
    ModalScript script;
    script.run().clickButton(1);
    RuntimeAlert(String::fromUtf8("Careful"), String::fromUtf8("It may go on"), 0);
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

TEST_F(RuntimeAlertDeathTest, EachButtonEndsTheProcessItsOwnWay) {
    using ::testing::ExitedWithCode;
    using ::testing::KilledBySignal;
    EXPECT_EXIT(reportAnswering(1, 0), ExitedWithCode(0),
                "alert critical \\[Something broke\\] \\[Details\\] <Quit> <Crash>");
    EXPECT_EXIT(reportAnswering(1, 1), KilledBySignal(SIGABRT), "<Quit> <Crash>");
    EXPECT_EXIT(reportAnswering(0, 0), ExitedWithCode(0),
                "alert warning \\[Something broke\\] \\[Details\\] <Stop> <Continue> <Crash>");
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

namespace {

// The sixty-fourth slot is an overflow, reported fatally.
void overflowAnswering(int button) {
    ModalScript script;
    script.run().clickButton(button);
    reportAlertWhenShown();
    for (int i = 0; i < PStrStackSize; ++i)
        TempPStr();
    std::fprintf(stderr, "a slot past the stack was handed out\n");
}

} // namespace

TEST_F(RuntimeAlertDeathTest, StackOverflowIsAFatalReport) {
    EXPECT_EXIT(overflowAnswering(1), ::testing::KilledBySignal(SIGABRT),
                "alert critical \\[Pascal String stack index \\( gQVStk \\) exceeds string stack "
                "size of 64\\. Quorvel will terminate\\] \\[If 'Source File Combining'\\( in "
                "Build Settings \\) is turned OFF, try setting to Medium or Maximum\\] <Quit> "
                "<Crash>");
    EXPECT_EXIT(overflowAnswering(0), ::testing::ExitedWithCode(0), "alert critical");
}
