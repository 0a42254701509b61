#include "runtime/elements/CUI_TabViewDelegate.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"

#include "platform/views/TabView.h"

using platform::Ref;
using platform::TabView;
using platform::TabViewItem;

namespace {

void report(const Ref<TabView>& tabView, std::int64_t code) {
    if (tabView)
        ForwardElementDelegateEvent(*tabView, code, nullptr);
}

// The notices about an item give its place among the tab view's items.
void reportItem(const Ref<TabView>& tabView, const Ref<TabViewItem>& item, std::int64_t code) {
    if (!tabView)
        return;
    DialogEventSetLongVal(tabView->indexOfTabViewItem(item));
    report(tabView, code);
}

} // namespace

const Ref<CUI_TabViewDelegate>& CUI_TabViewDelegate::shared() {
    static const Ref<CUI_TabViewDelegate> delegate = std::make_shared<CUI_TabViewDelegate>();
    return delegate;
}

void CUI_TabViewDelegate::tabViewDidChangeNumberOfTabViewItems(const Ref<TabView>& tabView) {
    report(tabView, TabViewEvent::DidChangeNumberOfItems);
}

bool CUI_TabViewDelegate::tabViewShouldSelectTabViewItem(const Ref<TabView>& tabView,
                                                         const Ref<TabViewItem>&) {
    DialogEventSetBoolVal(true);
    report(tabView, TabViewEvent::ShouldSelectItem);
    return DialogEventBoolVal();
}

void CUI_TabViewDelegate::tabViewWillSelectTabViewItem(const Ref<TabView>& tabView,
                                                       const Ref<TabViewItem>& item) {
    reportItem(tabView, item, TabViewEvent::WillSelectItem);
}

void CUI_TabViewDelegate::tabViewDidSelectTabViewItem(const Ref<TabView>& tabView,
                                                      const Ref<TabViewItem>& item) {
    reportItem(tabView, item, TabViewEvent::DidSelectItem);
}
