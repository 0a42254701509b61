#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class SplitView;
class View;

// What a split view tells and asks its delegate. Each method answers what the framework answers
// when a split view has no delegate: nothing collapses, every pane takes part in resizing, no
// divider hides, and every proposed coordinate and position stands.
class SplitViewDelegate {
public:
    virtual ~SplitViewDelegate();

    // Around every change of the panes' sizes: a drag of a divider, a position set by the
    // program, the split view's own resizing and adjustSubviews.
    virtual void splitViewWillResizeSubviews(const Ref<SplitView>& splitView);
    virtual void splitViewDidResizeSubviews(const Ref<SplitView>& splitView);
    // Whether a drag of a divider beyond the pane's minimum may collapse the pane.
    virtual bool splitViewCanCollapseSubview(const Ref<SplitView>& splitView,
                                             const Ref<View>& subview);
    // Whether the pane takes part when the split view's own size changes.
    virtual bool splitViewShouldAdjustSizeOfSubview(const Ref<SplitView>& splitView,
                                                    const Ref<View>& subview);
    // Asked for a divider beside a collapsed pane: a hidden divider takes no room.
    virtual bool splitViewShouldHideDividerAtIndex(const Ref<SplitView>& splitView,
                                                   std::int64_t dividerIndex);
    // The farthest a dragged divider may go, each way; the proposal is the edge of the two panes
    // on either side of it.
    virtual double splitViewConstrainMaxCoordinate(const Ref<SplitView>& splitView,
                                                   double proposedMaximum,
                                                   std::int64_t dividerIndex);
    virtual double splitViewConstrainMinCoordinate(const Ref<SplitView>& splitView,
                                                   double proposedMinimum,
                                                   std::int64_t dividerIndex);
    // Where a dragged divider goes, asked before it is kept between the two limits above.
    virtual double splitViewConstrainSplitPosition(const Ref<SplitView>& splitView,
                                                   double proposedPosition,
                                                   std::int64_t dividerIndex);
    // The rectangle of the divider the mouse grabs, from the one drawn.
    virtual Rect splitViewEffectiveRectForDrawnRect(const Ref<SplitView>& splitView, Rect drawnRect,
                                                    std::int64_t dividerIndex);
};

} // namespace platform
