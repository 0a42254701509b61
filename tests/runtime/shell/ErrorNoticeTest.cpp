// The error notice: queued, shown later as a warning with "OK" and "Quit", one at a time in the
// order posted; "Quit" ends the process with status 0.

#include "ShellTesting.h"

#include "runtime/shell/ErrorNotice.h"

#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"

#include <string>
#include <vector>

using namespace shelltest;
using platform::String;
using platform::testing::ModalScript;

namespace {

using ErrorNotices = ShellTest;

void post(const char* message, const char* details) {
    ErrorNotice(String::fromUtf8(message), String::fromUtf8(details),
                platform::AlertStyle::Warning);
}

TEST_F(ErrorNotices, AreShownLaterOneAfterAnotherInTheOrderPosted) {
    post("Tag error.", "Can't find view 7 in window 3.");
    post("Error.", "Can't find any windows.");
    EXPECT_FALSE(platform::testing::shownAlert());
    ModalScript script;
    script.run();
    script.run().clickButton(0);
    script.run().clickButton(0);
    std::string seen;
    for (const auto& alert : runUntilAlertsAnswered())
        seen += alert.description() + "\n";
    EXPECT_EQ(seen, "alert warning [Tag error.] [Can't find view 7 in window 3.] <OK> <Quit>\n"
                    "alert warning [Error.] [Can't find any windows.] <OK> <Quit>\n");
}

TEST_F(ErrorNotices, QuitEndsTheProcessWithStatusZero) {
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
