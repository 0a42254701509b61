#include "platform/detail/ModalRun.h"

#include "platform/app/Application.h"
#include "platform/app/RunLoop.h"
#include "platform/detail/ModalInputFilter.h"

namespace platform::detail {

namespace {
ModalRun* innermostRun = nullptr;
std::function<void(ModalRun&)> startObserver;
std::uint64_t lastId = 0;
} // namespace

ModalRun::ModalRun(QWidget* widget) : widget_(widget), outer_(innermostRun), id_(++lastId) {
    installModalInputFilter();
    innermostRun = this;
}

ModalRun::~ModalRun() {
    innermostRun = outer_;
}

std::int64_t ModalRun::exec() {
    RunLoop::ModeScope mode(RunLoopMode::ModalPanel);
    // Keys typed ahead come first; they may end the run before it waits for anything.
    deliverTypeAhead(*this);
    if (startObserver && !stopped_)
        startObserver(*this);
    if (!stopped_)
        loop_.exec(QEventLoop::DialogExec);
    // The pass that stopped the run ends with it.
    Application::shared()->eventLoopPassEnded();
    return code_;
}

void ModalRun::stop(std::int64_t code) {
    if (stopped_)
        return;
    stopped_ = true;
    code_ = code;
    loop_.exit();
}

ModalRun* ModalRun::innermost() {
    return innermostRun;
}

void ModalRun::setStartObserver(std::function<void(ModalRun&)> observer) {
    startObserver = std::move(observer);
}

} // namespace platform::detail
