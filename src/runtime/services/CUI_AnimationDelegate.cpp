#include "runtime/services/CUI_AnimationDelegate.h"

using platform::Ref;

void CUI_AnimationDelegate::call(std::int64_t code, const Ref<platform::Animation>& animation) {
    if (callback_)
        callback_(code, animation, userData_);
}

bool CUI_AnimationDelegate::animationShouldStart(const Ref<platform::Animation>& animation) {
    shouldStart_ = true;
    call(AnimationDelegateEvent::ShouldStart, animation);
    return shouldStart_;
}

void CUI_AnimationDelegate::animationDidStop(const Ref<platform::Animation>& animation) {
    call(AnimationDelegateEvent::DidStop, animation);
}

void CUI_AnimationDelegate::animationDidEnd(const Ref<platform::Animation>& animation) {
    call(AnimationDelegateEvent::DidEnd, animation);
}

float CUI_AnimationDelegate::animationValueForProgress(const Ref<platform::Animation>& animation,
                                                       float progress) {
    progress_ = progress;
    valueForProgress_ = animation->curveValueAtProgress(progress);
    call(AnimationDelegateEvent::ValueForProgress, animation);
    return valueForProgress_;
}

void CUI_AnimationDelegate::animationDidReachProgressMark(const Ref<platform::Animation>& animation,
                                                          float mark) {
    progress_ = mark;
    call(AnimationDelegateEvent::DidReachProgressMark, animation);
}
