#pragma once

// The delegate the wiring gives split views that have none. It hands each of the split view's
// questions to the dialog callback alone, with the split view's tag and window tag, after it
// prepared the shared record with the answer a split view gives without a delegate, and answers
// what the program left there. Coordinates and positions pass through the record's single
// precision floatVal. One instance serves every split view.

#include "platform/foundation/Object.h"
#include "platform/views/SplitViewDelegate.h"

class CUI_SplitViewDelegate : public platform::Object, public platform::SplitViewDelegate {
public:
    // The one delegate, created on first use and never released: split views hold it weakly.
    static const platform::Ref<CUI_SplitViewDelegate>& shared();

    void splitViewWillResizeSubviews(const platform::Ref<platform::SplitView>& splitView) override;
    void splitViewDidResizeSubviews(const platform::Ref<platform::SplitView>& splitView) override;
    // Record longVal holds the pane's index among the split view's subviews.
    bool splitViewCanCollapseSubview(const platform::Ref<platform::SplitView>& splitView,
                                     const platform::Ref<platform::View>& subview) override;
    bool splitViewShouldAdjustSizeOfSubview(const platform::Ref<platform::SplitView>& splitView,
                                            const platform::Ref<platform::View>& subview) override;
    // Record longVal holds the divider's index in these and the three below.
    bool splitViewShouldHideDividerAtIndex(const platform::Ref<platform::SplitView>& splitView,
                                           std::int64_t dividerIndex) override;
    double splitViewConstrainMaxCoordinate(const platform::Ref<platform::SplitView>& splitView,
                                           double proposedMaximum,
                                           std::int64_t dividerIndex) override;
    double splitViewConstrainMinCoordinate(const platform::Ref<platform::SplitView>& splitView,
                                           double proposedMinimum,
                                           std::int64_t dividerIndex) override;
    // The one question that leaves the current output window as it is.
    double splitViewConstrainSplitPosition(const platform::Ref<platform::SplitView>& splitView,
                                           double proposedPosition,
                                           std::int64_t dividerIndex) override;
};
