#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class TabView;
class TabViewItem;

// What a tab view tells and asks its delegate. Each method answers what the framework answers
// when a tab view has no delegate.
class TabViewDelegate {
public:
    virtual ~TabViewDelegate();

    // Asked before any selection, by the user or the program; no keeps the selected tab.
    virtual bool tabViewShouldSelectTabViewItem(const Ref<TabView>& tabView,
                                                const Ref<TabViewItem>& item);
    virtual void tabViewWillSelectTabViewItem(const Ref<TabView>& tabView,
                                              const Ref<TabViewItem>& item);
    virtual void tabViewDidSelectTabViewItem(const Ref<TabView>& tabView,
                                             const Ref<TabViewItem>& item);
    // After an item was added or removed.
    virtual void tabViewDidChangeNumberOfTabViewItems(const Ref<TabView>& tabView);
};

} // namespace platform
