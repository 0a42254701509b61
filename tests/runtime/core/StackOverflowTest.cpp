#include "AlertReport.h"
#include "CoreTesting.h"

#include "platform/testing/ModalScript.h"

#include <gtest/gtest.h>

#include <csignal>

using namespace coretesting;
using platform::testing::ModalScript;

namespace {

class StackOverflowDeathTest : public CoreTest {};

void overflowAnswering(int button) {
    ModalScript script;
    script.run().clickButton(button);
    reportAlertWhenShown();
    for (int i = 0; i < PStrStackSize - 1; ++i)
        TempPStr();
    TempPStr();
    std::fprintf(stderr, "a slot past the stack was handed out\n");
}

} // namespace

TEST_F(StackOverflowDeathTest, TheSixtyFourthSlotIsAFatalReportAndCrashAborts) {
    EXPECT_EXIT(overflowAnswering(1), ::testing::KilledBySignal(SIGABRT),
                "alert critical \\[Pascal String stack index \\( gQVStk \\) exceeds string stack "
                "size of 64\\. Quorvel will terminate\\] \\[If 'Source File Combining'\\( in "
                "Build Settings \\) is turned OFF, try setting to Medium or Maximum\\] <Quit> "
                "<Crash>");
}

TEST_F(StackOverflowDeathTest, QuitEndsTheProcessNormally) {
    EXPECT_EXIT(overflowAnswering(0), ::testing::ExitedWithCode(0), "alert critical");
}
