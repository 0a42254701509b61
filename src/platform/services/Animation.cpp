#include "platform/services/Animation.h"

#include <QEasingCurve>
#include <QEventLoop>
#include <QVariantAnimation>

#include <algorithm>

namespace platform {

AnimationDelegate::~AnimationDelegate() = default;
bool AnimationDelegate::animationShouldStart(const Ref<Animation>&) {
    return true;
}
void AnimationDelegate::animationDidStop(const Ref<Animation>&) {}
void AnimationDelegate::animationDidEnd(const Ref<Animation>&) {}
float AnimationDelegate::animationValueForProgress(const Ref<Animation>& animation,
                                                   float progress) {
    return animation->curveValueAtProgress(progress);
}
void AnimationDelegate::animationDidReachProgressMark(const Ref<Animation>&, float) {}

namespace {

// Without a delegate the animation answers as a delegate that changes nothing.
std::shared_ptr<AnimationDelegate> delegateOr(const std::shared_ptr<AnimationDelegate>& delegate) {
    static const auto plain = std::make_shared<AnimationDelegate>();
    return delegate ? delegate : plain;
}

} // namespace

// The toolkit's animation runs the progress linearly; the curve shapes the value only.
struct Animation::Timeline {
    QVariantAnimation progress;
    QEventLoop* blocking = nullptr;
};

Animation::Animation(double duration, AnimationCurve curve)
    : duration_(duration), curve_(curve), timeline_(std::make_unique<Timeline>()) {
    timeline_->progress.setStartValue(0.0f);
    timeline_->progress.setEndValue(1.0f);
    QObject::connect(&timeline_->progress, &QVariantAnimation::valueChanged, &timeline_->progress,
                     [this](const QVariant& value) {
                         if (isAnimating())
                             advance(value.toFloat());
                     });
    QObject::connect(&timeline_->progress, &QVariantAnimation::finished, &timeline_->progress,
                     [this] {
                         const auto keep = selfRef();
                         advance(1.0f);
                         if (timeline_->blocking)
                             timeline_->blocking->quit();
                         delegateOr(delegate())->animationDidEnd(keep);
                     });
}

Animation::~Animation() = default;

void Animation::addProgressMark(float mark) {
    marks_.insert(std::upper_bound(marks_.begin(), marks_.end(), mark), mark);
}

void Animation::removeProgressMark(float mark) {
    std::erase(marks_, mark);
}

bool Animation::isAnimating() const {
    return timeline_->progress.state() == QAbstractAnimation::Running;
}

void Animation::advance(float progress) {
    const float passed = progress_;
    progress_ = progress;
    for (const float mark : marks_)
        if (mark > passed && mark <= progress)
            delegateOr(delegate())->animationDidReachProgressMark(selfRef(), mark);
}

void Animation::startAnimation() {
    if (isAnimating() || !delegateOr(delegate())->animationShouldStart(selfRef()))
        return;
    const auto keep = selfRef();
    progress_ = 0;
    timeline_->progress.setDuration(std::max(1, static_cast<int>(duration_ * 1000)));
    timeline_->progress.start();
    if (blockingMode_ != AnimationBlockingMode::Blocking)
        return;
    QEventLoop loop;
    timeline_->blocking = &loop;
    if (isAnimating())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    timeline_->blocking = nullptr;
}

void Animation::stopAnimation() {
    if (!isAnimating())
        return;
    timeline_->progress.stop();
    if (timeline_->blocking)
        timeline_->blocking->quit();
    delegateOr(delegate())->animationDidStop(selfRef());
}

float Animation::currentValue() {
    return delegateOr(delegate())->animationValueForProgress(selfRef(), progress_);
}

float Animation::curveValueAtProgress(float progress) const {
    static constexpr QEasingCurve::Type curves[] = {QEasingCurve::InOutSine, QEasingCurve::InQuad,
                                                    QEasingCurve::OutQuad, QEasingCurve::Linear};
    return static_cast<float>(
        QEasingCurve(curves[static_cast<std::size_t>(curve_)]).valueForProgress(progress));
}

} // namespace platform
