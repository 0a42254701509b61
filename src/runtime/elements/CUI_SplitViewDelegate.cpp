#include "runtime/elements/CUI_SplitViewDelegate.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"

#include "platform/views/SplitView.h"

#include <algorithm>

using platform::Ref;
using platform::SplitView;
using platform::View;

namespace {

std::int64_t indexOfSubview(const SplitView& splitView, const Ref<View>& subview) {
    const auto& panes = splitView.subviews();
    const auto found = std::find(panes.begin(), panes.end(), subview);
    return found == panes.end() ? -1 : found - panes.begin();
}

bool ask(const SplitView& splitView, std::int64_t code, bool answer, std::int64_t index,
         const Ref<platform::Object>& object = nullptr) {
    DialogEventSetBoolVal(answer);
    DialogEventSetLongVal(index);
    ForwardElementDelegateEvent(splitView, code, object);
    return DialogEventBoolVal();
}

double constrain(const SplitView& splitView, std::int64_t code, double proposed,
                 std::int64_t index) {
    DialogEventSetFloatVal(static_cast<float>(proposed));
    DialogEventSetLongVal(index);
    ForwardElementDelegateEvent(splitView, code, nullptr);
    return DialogEventFloatVal();
}

} // namespace

const Ref<CUI_SplitViewDelegate>& CUI_SplitViewDelegate::shared() {
    static const Ref<CUI_SplitViewDelegate> delegate = std::make_shared<CUI_SplitViewDelegate>();
    return delegate;
}

void CUI_SplitViewDelegate::splitViewWillResizeSubviews(const Ref<SplitView>& splitView) {
    ForwardElementDelegateEvent(*splitView, SplitViewEvent::WillResizeSubviews, nullptr);
}

void CUI_SplitViewDelegate::splitViewDidResizeSubviews(const Ref<SplitView>& splitView) {
    ForwardElementDelegateEvent(*splitView, SplitViewEvent::DidResizeSubviews, nullptr);
}

bool CUI_SplitViewDelegate::splitViewCanCollapseSubview(const Ref<SplitView>& splitView,
                                                        const Ref<View>& subview) {
    return ask(*splitView, SplitViewEvent::CanCollapseSubview, false,
               indexOfSubview(*splitView, subview));
}

bool CUI_SplitViewDelegate::splitViewShouldAdjustSizeOfSubview(const Ref<SplitView>& splitView,
                                                               const Ref<View>& subview) {
    return ask(*splitView, SplitViewEvent::ShouldAdjustSizeOfSubview, true,
               indexOfSubview(*splitView, subview), subview);
}

bool CUI_SplitViewDelegate::splitViewShouldHideDividerAtIndex(const Ref<SplitView>& splitView,
                                                              std::int64_t dividerIndex) {
    return ask(*splitView, SplitViewEvent::ShouldHideDivider, false, dividerIndex);
}

double CUI_SplitViewDelegate::splitViewConstrainMaxCoordinate(const Ref<SplitView>& splitView,
                                                              double proposedMaximum,
                                                              std::int64_t dividerIndex) {
    return constrain(*splitView, SplitViewEvent::ConstrainMaxCoordinate, proposedMaximum,
                     dividerIndex);
}

double CUI_SplitViewDelegate::splitViewConstrainMinCoordinate(const Ref<SplitView>& splitView,
                                                              double proposedMinimum,
                                                              std::int64_t dividerIndex) {
    return constrain(*splitView, SplitViewEvent::ConstrainMinCoordinate, proposedMinimum,
                     dividerIndex);
}

double CUI_SplitViewDelegate::splitViewConstrainSplitPosition(const Ref<SplitView>& splitView,
                                                              double proposedPosition,
                                                              std::int64_t dividerIndex) {
    DialogEventSetFloatVal(static_cast<float>(proposedPosition));
    DialogEventSetLongVal(dividerIndex);
    DialogCallbackCall(SplitViewEvent::ConstrainSplitPosition, splitView->tag(),
                       Additions::wndTag(*splitView), nullptr);
    return DialogEventFloatVal();
}
