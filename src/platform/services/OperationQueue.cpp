#include "platform/services/OperationQueue.h"

#include "platform/app/MainQueue.h"
#include "platform/services/Operation.h"

#include <QThread>
#include <QThreadPool>

namespace platform {

struct OperationQueue::Pool {
    QThreadPool threads;
    std::int64_t maxCount = -1;
};

OperationQueue::OperationQueue() : pool_(std::make_unique<Pool>()) {}

OperationQueue::~OperationQueue() {
    pool_->threads.clear();
    pool_->threads.waitForDone();
}

void OperationQueue::addOperation(const Ref<Operation>& operation) {
    if (!operation)
        return;
    pool_->threads.start([operation] {
        if (!operation->isCancelled())
            operation->main();
        operation->finished_ = true;
        MainQueue::async([operation] {
            if (const auto completion = operation->completionBlock())
                completion();
        });
    });
}

void OperationQueue::waitUntilAllOperationsAreFinished() {
    pool_->threads.waitForDone();
}

std::int64_t OperationQueue::maxConcurrentOperationCount() const {
    return pool_->maxCount;
}

void OperationQueue::setMaxConcurrentOperationCount(std::int64_t count) {
    pool_->maxCount = count;
    pool_->threads.setMaxThreadCount(count > 0 ? static_cast<int>(count)
                                               : QThread::idealThreadCount());
}

} // namespace platform
