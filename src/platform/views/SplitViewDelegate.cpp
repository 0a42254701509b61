#include "platform/views/SplitViewDelegate.h"

namespace platform {

SplitViewDelegate::~SplitViewDelegate() = default;

void SplitViewDelegate::splitViewWillResizeSubviews(const Ref<SplitView>&) {}

void SplitViewDelegate::splitViewDidResizeSubviews(const Ref<SplitView>&) {}

bool SplitViewDelegate::splitViewCanCollapseSubview(const Ref<SplitView>&, const Ref<View>&) {
    return false;
}

bool SplitViewDelegate::splitViewShouldAdjustSizeOfSubview(const Ref<SplitView>&,
                                                           const Ref<View>&) {
    return true;
}

bool SplitViewDelegate::splitViewShouldHideDividerAtIndex(const Ref<SplitView>&, std::int64_t) {
    return false;
}

double SplitViewDelegate::splitViewConstrainMaxCoordinate(const Ref<SplitView>&,
                                                          double proposedMaximum, std::int64_t) {
    return proposedMaximum;
}

double SplitViewDelegate::splitViewConstrainMinCoordinate(const Ref<SplitView>&,
                                                          double proposedMinimum, std::int64_t) {
    return proposedMinimum;
}

double SplitViewDelegate::splitViewConstrainSplitPosition(const Ref<SplitView>&,
                                                          double proposedPosition, std::int64_t) {
    return proposedPosition;
}

Rect SplitViewDelegate::splitViewEffectiveRectForDrawnRect(const Ref<SplitView>&, Rect drawnRect,
                                                           std::int64_t) {
    return drawnRect;
}

} // namespace platform
