#include "platform/app/MainQueue.h"

#include "LoopTesting.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace platform {
namespace {

using looptesting::runLoop;
using looptesting::stopLoop;

TEST(MainQueue, TasksRunAtTheNextPassInTheOrderQueued) {
    std::vector<std::string> ran;
    MainQueue::async([&] {
        ran.push_back("first");
        MainQueue::async([&] {
            ran.push_back("queued by first");
            stopLoop();
        });
        ran.push_back("first, after queueing");
    });
    MainQueue::async([&] { ran.push_back("second"); });
    MainQueue::async([&] { ran.push_back("third"); });
    EXPECT_TRUE(ran.empty());

    runLoop(RunLoopMode::ModalPanel);

    const std::vector<std::string> expected{"first", "first, after queueing", "second", "third",
                                            "queued by first"};
    EXPECT_EQ(ran, expected);
}

class MainQueueInMode : public testing::TestWithParam<RunLoopMode> {};

TEST_P(MainQueueInMode, TaskRunsInWhicheverLoopIsRunning) {
    std::optional<RunLoopMode> modeSeen;
    MainQueue::async([&] {
        modeSeen = RunLoop::currentMode();
        stopLoop();
    });
    runLoop(GetParam());
    EXPECT_EQ(modeSeen, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Modes, MainQueueInMode,
                         testing::Values(RunLoopMode::Default, RunLoopMode::ModalPanel),
                         [](const auto& caseInfo) {
                             return caseInfo.param == RunLoopMode::Default ? "Default"
                                                                           : "ModalPanel";
                         });

} // namespace
} // namespace platform
