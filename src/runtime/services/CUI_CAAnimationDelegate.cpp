#include "runtime/services/CUI_CAAnimationDelegate.h"

using platform::Ref;

void CUI_CAAnimationDelegate::animationDidStart(const Ref<platform::LayerAnimation>& animation) {
    if (callback_)
        callback_(CAAnimationDelegateEvent::DidStart, animation, userData_);
}

void CUI_CAAnimationDelegate::animationDidStopFinished(
    const Ref<platform::LayerAnimation>& animation, bool finished) {
    finished_ = finished;
    if (callback_)
        callback_(CAAnimationDelegateEvent::DidStop, animation, userData_);
}
