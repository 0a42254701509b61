// The main of every test program: the platform application runs offscreen unless the caller
// chose a display, no modal run can hang a test, and no test can pass by ending the process.

#include "platform/app/Application.h"
#include "platform/testing/ModalScript.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>

namespace {

std::atomic<const ::testing::TestInfo*> runningTest{nullptr};

// A process that ends while a test runs would otherwise end with the status the code under test
// chose, and an exit with status 0 would count as a pass.
void failIfTestRunning() {
    const ::testing::TestInfo* test = runningTest.load();
    if (!test)
        return;
    std::fprintf(stderr, "\n[  FAILED  ] %s.%s ended the process while it ran\n",
                 test->test_suite_name(), test->name());
    std::fflush(nullptr);
    std::_Exit(1);
}

class RunningTestListener : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo& test) override { runningTest = &test; }
    void OnTestEnd(const ::testing::TestInfo&) override { runningTest = nullptr; }
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    // Death tests run in a fresh process: the toolkit's threads must not be forked.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    // A death test's child is expected to end the process; every other process is not.
    if (GTEST_FLAG_GET(internal_run_death_test).empty()) {
        ::testing::UnitTest::GetInstance()->listeners().Append(new RunningTestListener);
        std::atexit(failIfTestRunning);
        std::at_quick_exit(failIfTestRunning);
    }
    platform::Application::shared();
    platform::testing::installModalWatchdog();
    return RUN_ALL_TESTS();
}
