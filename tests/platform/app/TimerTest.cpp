#include "platform/app/Timer.h"

#include "LoopTesting.h"
#include "platform/app/MainQueue.h"
#include "platform/foundation/String.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {
namespace {

using looptesting::runLoop;
using looptesting::stopLoop;

// Stops the innermost modal run once the timers already due in it have had their turn.
void stopModalRunSoon() {
    RunLoop::addTimerForMode(Timer::timerWithTimeIntervalRepeatsBlock(
                                 0.05, false, [](const Ref<Timer>&) { stopLoop(); }),
                             RunLoopMode::ModalPanel);
}

// A one-shot timer is spent once it fired, and waits for its mode until then.
TEST(TimerModes, ATimerFiresInAModalRunOnlyWhenAddedForTheModalPanelMode) {
    const std::pair<std::vector<RunLoopMode>, int> cases[] = {
        {{RunLoopMode::Default}, 0},
        {{RunLoopMode::ModalPanel}, 1},
        {{RunLoopMode::Default, RunLoopMode::ModalPanel}, 1},
        {{RunLoopMode::ModalPanel, RunLoopMode::ModalPanel}, 1},
    };
    for (const auto& [modes, expected] : cases) {
        int firings = 0;
        std::optional<RunLoopMode> modeSeen;
        const auto timer =
            Timer::timerWithTimeIntervalRepeatsBlock(0, false, [&](const Ref<Timer>&) {
                ++firings;
                modeSeen = RunLoop::currentMode();
            });
        for (const RunLoopMode mode : modes)
            RunLoop::addTimerForMode(timer, mode);
        stopModalRunSoon();
        runLoop(RunLoopMode::ModalPanel);
        EXPECT_EQ(firings, expected) << modes.size() << " modes";
        EXPECT_EQ(modeSeen, firings ? std::optional(RunLoopMode::ModalPanel) : std::nullopt);
        EXPECT_EQ(timer->isValid(), firings == 0);
        timer->invalidate();
    }
}

// The default-mode timer's time comes during the modal run; it fires once a default-mode loop
// starts inside that run.
TEST(TimerModes, TimerHeldBackInAModalRunFiresWhenANestedLoopOfItsModeStarts) {
    int firings = 0;
    RunLoop::addTimerForMode(Timer::timerWithTimeIntervalRepeatsBlock(0, false,
                                                                      [&](const Ref<Timer>&) {
                                                                          ++firings;
                                                                          stopLoop();
                                                                      }),
                             RunLoopMode::Default);
    RunLoop::addTimerForMode(Timer::timerWithTimeIntervalRepeatsBlock(0.05, false,
                                                                      [](const Ref<Timer>&) {
                                                                          runLoop(
                                                                              RunLoopMode::Default);
                                                                          stopLoop();
                                                                      }),
                             RunLoopMode::ModalPanel);
    runLoop(RunLoopMode::ModalPanel);
    EXPECT_EQ(firings, 1);
}

TEST(TimerModes, TimerHeldBackInAModalRunFiresWhenALoopEntersItsMode) {
    int firings = 0;
    int firingsDuringModalRun = -1;
    // The modal run is nested in a default-mode loop, as it would be in a main loop.
    MainQueue::async([&] {
        Timer::scheduledTimerWithTimeIntervalRepeatsBlock(0, false, [&](const Ref<Timer>&) {
            ++firings;
            stopLoop();
        });
        RunLoop::addTimerForMode(
            Timer::timerWithTimeIntervalRepeatsBlock(0.05, false,
                                                     [&](const Ref<Timer>&) {
                                                         firingsDuringModalRun = firings;
                                                         stopLoop();
                                                     }),
            RunLoopMode::ModalPanel);
        runLoop(RunLoopMode::ModalPanel);
    });

    runLoop(RunLoopMode::Default);

    EXPECT_EQ(firingsDuringModalRun, 0);
    EXPECT_EQ(firings, 1);
}

TEST(TimerModes, RepeatingTimerDoesNotFireAgainWhileItsBlockRunsANestedLoop) {
    int firings = 0;
    int firingsDuringNestedRun = -1;
    const auto timer =
        Timer::timerWithTimeIntervalRepeatsBlock(0.001, true, [&](const Ref<Timer>& self) {
            ++firings;
            stopModalRunSoon();
            runLoop(RunLoopMode::ModalPanel);
            firingsDuringNestedRun = firings - 1;
            self->invalidate();
            stopLoop();
        });
    RunLoop::addTimerForMode(timer, RunLoopMode::ModalPanel);

    runLoop(RunLoopMode::ModalPanel);

    EXPECT_EQ(firings, 1);
    EXPECT_EQ(firingsDuringNestedRun, 0);
}

struct Ticks {
    int count = 0;
    std::string userInfoSeen;
};

// The target of a timer: counts its ticks and ends it after the last one.
class Ticker : public Object {
public:
    Ticker(Ref<Ticks> ticks, int lastTick) : ticks_(std::move(ticks)), lastTick_(lastTick) {}

    void tick(const Ref<Timer>& timer) {
        const auto info = timer->userInfo();
        ticks_->userInfoSeen = info ? info->description()->utf8() : "";
        if (++ticks_->count == lastTick_) {
            timer->invalidate();
            stopLoop();
        }
    }

private:
    Ref<Ticks> ticks_;
    int lastTick_;
};

TEST(RepeatingTimer, FiresUntilItsTargetInvalidatesItThenLetsGoOfTargetAndUserInfo) {
    const auto ticks = std::make_shared<Ticks>();
    WeakRef<Ticker> weakTarget;
    WeakRef<Object> weakInfo;
    Ref<Timer> timer;
    {
        const auto ticker = std::make_shared<Ticker>(ticks, 3);
        const auto info = String::fromUtf8("three ticks");
        weakTarget = ticker;
        weakInfo = info;
        timer = Timer::timerWithTimeIntervalTargetSelectorUserInfoRepeats(
            0.001, ticker, &Ticker::tick, info, true);
    }
    RunLoop::addTimerForMode(timer, RunLoopMode::ModalPanel);

    runLoop(RunLoopMode::ModalPanel);

    EXPECT_EQ(ticks->count, 3);
    EXPECT_EQ(ticks->userInfoSeen, "three ticks");
    EXPECT_FALSE(timer->isValid());
    EXPECT_TRUE(weakTarget.expired());
    EXPECT_TRUE(weakInfo.expired());
}

TEST(ScheduledTimer, LoopKeepsATimerNobodyElseHoldsUntilItIsSpent) {
    int firings = 0;
    WeakRef<Timer> weakTimer;
    {
        const auto timer = Timer::timerWithTimeIntervalRepeatsBlock(
            0, false, [&](const Ref<Timer>&) { ++firings; });
        RunLoop::addTimerForMode(timer, RunLoopMode::ModalPanel);
        weakTimer = timer;
    }
    EXPECT_FALSE(weakTimer.expired());
    stopModalRunSoon();

    runLoop(RunLoopMode::ModalPanel);

    EXPECT_EQ(firings, 1);
    EXPECT_TRUE(weakTimer.expired());
}

TEST(TimerFire, CallsTheBlockNowAndSpendsOnlyAOneShotTimer) {
    for (const bool repeats : {false, true}) {
        std::vector<Timer*> calls;
        const auto timer = Timer::timerWithTimeIntervalRepeatsBlock(
            10, repeats, [&](const Ref<Timer>& self) { calls.push_back(self.get()); });
        timer->fire();
        EXPECT_EQ(calls, std::vector<Timer*>{timer.get()});
        EXPECT_EQ(timer->isValid(), repeats);
        timer->invalidate();
        timer->fire();
        EXPECT_EQ(calls.size(), 1u);
    }
}

} // namespace
} // namespace platform
