#pragma once

#include "platform/app/RunLoop.h"
#include "platform/foundation/Object.h"

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

struct TimerPeer;

// Calls its block once or repeatedly after an interval in seconds. A timer fires only while a
// loop runs in one of the modes it was added for; when its time comes in another mode, it
// waits and fires as soon as a loop enters one of its modes. A repeating timer that fell
// behind fires once, not once for every interval it missed. Invalidating a timer stops it for
// good and releases its block, its target and its user info.
class Timer : public Object {
public:
    using Block = std::function<void(const Ref<Timer>&)>;

    ~Timer() override;

    // A timer that is not yet added to any loop. Its first interval counts from now, also when
    // it is added later. Intervals that are not positive count as a tenth of a millisecond.
    static Ref<Timer> timerWithTimeIntervalRepeatsBlock(double interval, bool repeats, Block block);
    // A timer added to the main loop in the default mode.
    static Ref<Timer> scheduledTimerWithTimeIntervalRepeatsBlock(double interval, bool repeats,
                                                                 Block block);

    // Target-style timers call the target's method with the timer and keep the target until
    // they are invalidated.
    template <class T>
    static Ref<Timer>
    timerWithTimeIntervalTargetSelectorUserInfoRepeats(double interval, const Ref<T>& target,
                                                       void (T::*selector)(const Ref<Timer>&),
                                                       Ref<Object> userInfo, bool repeats) {
        Block block;
        if (target && selector)
            block = [target, selector](const Ref<Timer>& timer) { ((*target).*selector)(timer); };
        return create(interval, repeats, std::move(block), std::move(userInfo));
    }
    template <class T>
    static Ref<Timer> scheduledTimerWithTimeIntervalTargetSelectorUserInfoRepeats(
        double interval, const Ref<T>& target, void (T::*selector)(const Ref<Timer>&),
        Ref<Object> userInfo, bool repeats) {
        auto timer = timerWithTimeIntervalTargetSelectorUserInfoRepeats(
            interval, target, selector, std::move(userInfo), repeats);
        RunLoop::addTimerForMode(timer, RunLoopMode::Default);
        return timer;
    }

    Ref<Object> userInfo() const { return userInfo_; }
    bool isValid() const { return valid_; }

    // Calls the block now, without changing a repeating timer's schedule. A one-shot timer is
    // invalidated afterwards. An invalid timer does nothing.
    void fire();
    // Stops the timer for good and removes it from the loop.
    void invalidate();

private:
    friend class RunLoop;

    Timer(double interval, bool repeats, Block block, Ref<Object> userInfo);
    static Ref<Timer> create(double interval, bool repeats, Block block, Ref<Object> userInfo);

    void addMode(RunLoopMode mode);
    void modeEntered(RunLoopMode mode);
    void start();
    void timeCame();
    void fireFromLoop();
    bool runsInCurrentMode() const;

    std::unique_ptr<TimerPeer> peer_;
    double interval_;
    bool repeats_;
    Block block_;
    Ref<Object> userInfo_;
    std::chrono::steady_clock::time_point created_;
    std::vector<RunLoopMode> modes_;
    bool valid_ = true;
    // Its time came while no loop ran in one of its modes.
    bool pending_ = false;
    // Its block is running; the loop does not fire it again meanwhile (the block may run a
    // nested loop in one of the timer's modes).
    bool firing_ = false;
};

} // namespace platform
