#pragma once

#include <functional>

namespace platform {

// The queue of work for the main thread. Programs never run a main loop, so queued tasks run
// at the next pass of whichever loop is running, in any mode: usually a modal run.
class MainQueue {
public:
    // Queues the task; it never runs inside this call. Tasks run in the order they were queued,
    // a task queued by a running task after those queued before it.
    static void async(std::function<void()> task);
};

} // namespace platform
