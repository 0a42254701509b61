#include "platform/app/RunLoop.h"

#include "platform/app/Timer.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

struct RunLoopState {
    std::vector<RunLoopMode> modes;
    std::vector<Ref<Timer>> timers;
};

RunLoopState& state() {
    static RunLoopState instance;
    return instance;
}

} // namespace

void RunLoop::announce(RunLoopMode mode) {
    // A timer may invalidate itself or add others while it is told, so walk a copy.
    const std::vector<Ref<Timer>> timers = state().timers;
    for (const auto& timer : timers)
        timer->modeEntered(mode);
}

std::optional<RunLoopMode> RunLoop::currentMode() {
    if (state().modes.empty())
        return std::nullopt;
    return state().modes.back();
}

RunLoop::ModeScope::ModeScope(RunLoopMode mode) {
    state().modes.push_back(mode);
    announce(mode);
}

RunLoop::ModeScope::~ModeScope() {
    state().modes.pop_back();
    if (const auto mode = currentMode())
        announce(*mode);
}

void RunLoop::addTimerForMode(const Ref<Timer>& timer, RunLoopMode mode) {
    if (!timer || !timer->isValid())
        return;
    auto& timers = state().timers;
    if (std::find(timers.begin(), timers.end(), timer) == timers.end())
        timers.push_back(timer);
    timer->addMode(mode);
}

void RunLoop::removeTimer(const Timer& timer) {
    auto& timers = state().timers;
    const auto it = std::find_if(timers.begin(), timers.end(),
                                 [&timer](const Ref<Timer>& held) { return held.get() == &timer; });
    if (it == timers.end())
        return;
    // Release the loop's hold only after the entry is gone, as it may be the last one.
    const Ref<Timer> released = std::move(*it);
    timers.erase(it);
}

} // namespace platform
