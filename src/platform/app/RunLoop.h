#pragma once

#include "platform/foundation/Object.h"

#include <functional>
#include <optional>

namespace platform {

class Timer;

// The modes a run of the event loop can be in. A modal run processes events in the modal-panel
// mode; timers and other sources fire only in the modes they were added for.
enum class RunLoopMode { Default, ModalPanel };

class RunLoop {
public:
    // The mode of the innermost loop that is running, or none when no loop runs.
    static std::optional<RunLoopMode> currentMode();

    // Marks a loop in the given mode as running for the scope's lifetime. Every loop the
    // platform runs holds one, so that sources can tell which mode the events arrive in.
    class ModeScope {
    public:
        explicit ModeScope(RunLoopMode mode);
        ~ModeScope();
        ModeScope(const ModeScope&) = delete;
        ModeScope& operator=(const ModeScope&) = delete;
    };

    // Makes the timer a source of the main loop in the mode; it can be added for several modes.
    // The loop keeps the timer until it is invalidated, so the caller need not. An invalid
    // timer is not added.
    static void addTimerForMode(const Ref<Timer>& timer, RunLoopMode mode);

private:
    friend class Timer;
    static void removeTimer(const Timer& timer);
    static void announce(RunLoopMode mode);
};

} // namespace platform
