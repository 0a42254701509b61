#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>

namespace platform {

class Operation;

// Runs operations on worker threads of its own, as many at a time as allowed, and hands each
// finished operation's completion block to the main thread.
class OperationQueue : public Object {
public:
    OperationQueue();
    // Waits for the operations that are running; those not started yet are dropped.
    ~OperationQueue() override;

    // The queue keeps the operation until its completion block has run.
    void addOperation(const Ref<Operation>& operation);
    // Blocks the calling thread until every operation added has run its main. Their completion
    // blocks run later, at the next pass of the event loop.
    void waitUntilAllOperationsAreFinished();
    // How many operations run at a time; -1 (the default) for as many as there are processors.
    std::int64_t maxConcurrentOperationCount() const;
    void setMaxConcurrentOperationCount(std::int64_t count);

private:
    struct Pool;
    std::unique_ptr<Pool> pool_;
};

} // namespace platform
