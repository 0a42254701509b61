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

TEST_F(ErrorNotices, AreShownLaterOneAfterAnotherInTheOrderPosted) {
    ErrorNotice(String::fromUtf8("Tag error."), String::fromUtf8("Can't find view 7 in window 3."),
                platform::AlertStyle::Warning);
    ErrorNotice(String::fromUtf8("Error."), String::fromUtf8("Can't find any windows."),
                platform::AlertStyle::Warning);
    EXPECT_FALSE(platform::testing::shownAlert());
    ModalScript script;
    script.run();
    script.run().clickButton(0);
    script.run().clickButton(0);
    const auto seen = runUntilAlertsAnswered();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].messageText, "Tag error.");
    EXPECT_EQ(seen[0].informativeText, "Can't find view 7 in window 3.");
    EXPECT_EQ(seen[0].style, platform::AlertStyle::Warning);
    EXPECT_EQ(seen[0].buttonTitles, (std::vector<std::string>{"OK", "Quit"}));
    EXPECT_EQ(seen[1].messageText, "Error.");
    EXPECT_EQ(seen[1].informativeText, "Can't find any windows.");
}

TEST_F(ErrorNotices, QuitEndsTheProcessWithStatusZero) {
    EXPECT_EXIT(
        {
            ErrorNotice(String::fromUtf8("Error."), String::fromUtf8("Can't find any windows."),
                        platform::AlertStyle::Warning);
            ModalScript script;
            script.run();
            script.run().clickButton(1);
            runUntilAlertsAnswered();
            std::exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
