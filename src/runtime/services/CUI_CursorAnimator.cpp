#include "runtime/services/CUI_CursorAnimator.h"

#include "platform/app/Timer.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/String.h"
#include "platform/services/Cursor.h"

void CUI_CursorAnimator::timerFireMethod(const platform::Ref<platform::Timer>&) {
    counter_ = counter_ < numImages_ ? counter_ + 1 : 1;
    const auto image = platform::Image::imageNamed(platform::String::stringWithFormat(
        "%@%ld.%@", static_cast<const platform::Object*>(name_.get()), static_cast<long>(counter_),
        static_cast<const platform::Object*>(extension_.get())));
    if (!image)
        return;
    if (size_.width > 0 && size_.height > 0)
        image->setSize(size_);
    std::make_shared<platform::Cursor>(image, hotSpot_)->set();
}

void CUI_CursorAnimator::startWithInterval(double interval) {
    stop();
    timer_ = platform::Timer::scheduledTimerWithTimeIntervalTargetSelectorUserInfoRepeats(
        interval, std::static_pointer_cast<CUI_CursorAnimator>(self()),
        &CUI_CursorAnimator::timerFireMethod, nullptr, true);
}

void CUI_CursorAnimator::stop() {
    if (timer_)
        timer_->invalidate();
    timer_ = nullptr;
}
