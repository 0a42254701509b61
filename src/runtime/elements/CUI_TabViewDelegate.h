#pragma once

// The delegate the wiring gives tab views that have none. It reports the tab view's changes of
// its items and of its selection to the dialog callback alone, with the tab view's tag and
// window tag; for the question whether to select an item it first prepares the shared record
// with the answer a tab view gives without a delegate (yes), and then answers what the program
// left there. One instance serves every tab view.

#include "platform/foundation/Object.h"
#include "platform/views/TabViewDelegate.h"

class CUI_TabViewDelegate : public platform::Object, public platform::TabViewDelegate {
public:
    // The one delegate, created on first use and never released: tab views hold it weakly.
    static const platform::Ref<CUI_TabViewDelegate>& shared();

    void
    tabViewDidChangeNumberOfTabViewItems(const platform::Ref<platform::TabView>& tabView) override;
    // Record boolVal prepared YES; the answer is boolVal after the call.
    bool tabViewShouldSelectTabViewItem(const platform::Ref<platform::TabView>& tabView,
                                        const platform::Ref<platform::TabViewItem>& item) override;
    // Record longVal holds the item's index in the tab view, counted from 0, during the call.
    void tabViewWillSelectTabViewItem(const platform::Ref<platform::TabView>& tabView,
                                      const platform::Ref<platform::TabViewItem>& item) override;
    void tabViewDidSelectTabViewItem(const platform::Ref<platform::TabView>& tabView,
                                     const platform::Ref<platform::TabViewItem>& item) override;
};
