#include "platform/app/Timer.h"

#include "platform/app/Application.h"

#include <QTimer>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>

namespace platform {

struct TimerPeer {
    QTimer qtimer;
};

namespace {

// What the framework uses for intervals that are not positive.
constexpr double MinimumInterval = 0.0001;

// Whole milliseconds for the toolkit, rounded up so that a timer never fires early.
int milliseconds(double seconds) {
    const double ms = std::ceil(seconds * 1000);
    if (ms >= static_cast<double>(INT_MAX))
        return INT_MAX;
    return ms > 0 ? static_cast<int>(ms) : 0;
}

} // namespace

Timer::Timer(double interval, bool repeats, Block block, Ref<Object> userInfo)
    : interval_(interval > 0 ? interval : MinimumInterval), repeats_(repeats),
      block_(std::move(block)), userInfo_(std::move(userInfo)),
      created_(std::chrono::steady_clock::now()) {}

Timer::~Timer() = default;

Ref<Timer> Timer::create(double interval, bool repeats, Block block, Ref<Object> userInfo) {
    return Ref<Timer>(new Timer(interval, repeats, std::move(block), std::move(userInfo)));
}

Ref<Timer> Timer::timerWithTimeIntervalRepeatsBlock(double interval, bool repeats, Block block) {
    return create(interval, repeats, std::move(block), nullptr);
}

Ref<Timer> Timer::scheduledTimerWithTimeIntervalRepeatsBlock(double interval, bool repeats,
                                                             Block block) {
    auto timer = timerWithTimeIntervalRepeatsBlock(interval, repeats, std::move(block));
    RunLoop::addTimerForMode(timer, RunLoopMode::Default);
    return timer;
}

void Timer::fire() {
    if (!valid_)
        return;
    const Ref<Timer> self = as<Timer>();
    // The block may invalidate the timer, which releases block_ while it runs; call a copy.
    const Block block = block_;
    const bool wasFiring = std::exchange(firing_, true);
    if (block)
        block(self);
    firing_ = wasFiring;
    if (!repeats_)
        invalidate();
}

void Timer::invalidate() {
    if (!valid_)
        return;
    valid_ = false;
    pending_ = false;
    if (peer_)
        peer_->qtimer.stop();
    // Whatever the block, its captures and the user info release may run code that reaches
    // this timer or the loop again; the locals release them once the timer's state is final.
    const Ref<Timer> self = as<Timer>();
    const Block block = std::exchange(block_, nullptr);
    const Ref<Object> userInfo = std::exchange(userInfo_, nullptr);
    RunLoop::removeTimer(*this);
}

void Timer::addMode(RunLoopMode mode) {
    if (std::find(modes_.begin(), modes_.end(), mode) == modes_.end())
        modes_.push_back(mode);
    if (!peer_)
        start();
    if (RunLoop::currentMode() == mode)
        modeEntered(mode);
}

void Timer::start() {
    // The toolkit's timers need the application's event dispatcher.
    Application::shared();
    peer_ = std::make_unique<TimerPeer>();
    QTimer& qtimer = peer_->qtimer;
    qtimer.setTimerType(Qt::PreciseTimer);
    qtimer.setSingleShot(true);
    QObject::connect(&qtimer, &QTimer::timeout, &qtimer, [this] { timeCame(); });
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - created_;
    qtimer.start(milliseconds(interval_ - elapsed.count()));
}

void Timer::timeCame() {
    if (repeats_ && peer_->qtimer.isSingleShot()) {
        // The first interval counted from the timer's creation; the later ones follow on. The
        // toolkit skips the intervals a late loop missed instead of catching up on them.
        peer_->qtimer.setSingleShot(false);
        peer_->qtimer.start(milliseconds(interval_));
    }
    if (firing_)
        return;
    if (runsInCurrentMode())
        fireFromLoop();
    else
        pending_ = true;
}

void Timer::modeEntered(RunLoopMode mode) {
    if (!pending_ || std::find(modes_.begin(), modes_.end(), mode) == modes_.end())
        return;
    // Fire at the first pass of the loop rather than while it is still being set up. The call
    // is dropped with the toolkit timer if this timer goes away first.
    QMetaObject::invokeMethod(
        &peer_->qtimer,
        [this] {
            if (pending_ && !firing_ && runsInCurrentMode())
                fireFromLoop();
        },
        Qt::QueuedConnection);
}

void Timer::fireFromLoop() {
    pending_ = false;
    fire();
}

bool Timer::runsInCurrentMode() const {
    const auto mode = RunLoop::currentMode();
    return mode && std::find(modes_.begin(), modes_.end(), *mode) != modes_.end();
}

} // namespace platform
