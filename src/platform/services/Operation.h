#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <atomic>
#include <functional>

namespace platform {

// A piece of work for an OperationQueue. Its main runs on one of the queue's worker threads;
// its completion block runs afterwards on the main thread, at the next pass of the event loop.
class Operation : public Object {
public:
    virtual void main() = 0;

    std::function<void()> completionBlock() const { return completionBlock_; }
    void setCompletionBlock(std::function<void()> block) { completionBlock_ = std::move(block); }
    // A cancelled operation that has not started never runs its main; its completion still runs.
    void cancel() { cancelled_ = true; }
    bool isCancelled() const { return cancelled_; }
    bool isFinished() const { return finished_; }

private:
    friend class OperationQueue;
    std::function<void()> completionBlock_;
    std::atomic<bool> cancelled_{false};
    std::atomic<bool> finished_{false};
};

// An operation that sends a message with an object: to the target given, or to itself.
class InvocationOperation : public Operation {
public:
    // The target is kept until the operation is destroyed.
    InvocationOperation(Ref<Object> target, Selector selector, Ref<Object> object);
    void main() override;

private:
    Ref<Object> target_;
    Selector selector_;
    Ref<Object> object_;
};

} // namespace platform
