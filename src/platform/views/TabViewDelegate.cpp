#include "platform/views/TabViewDelegate.h"

namespace platform {

TabViewDelegate::~TabViewDelegate() = default;

bool TabViewDelegate::tabViewShouldSelectTabViewItem(const Ref<TabView>&, const Ref<TabViewItem>&) {
    return true;
}

void TabViewDelegate::tabViewWillSelectTabViewItem(const Ref<TabView>&, const Ref<TabViewItem>&) {}

void TabViewDelegate::tabViewDidSelectTabViewItem(const Ref<TabView>&, const Ref<TabViewItem>&) {}

void TabViewDelegate::tabViewDidChangeNumberOfTabViewItems(const Ref<TabView>&) {}

} // namespace platform
