#pragma once

#include "platform/views/View.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class TabViewDelegate;
class TabViewItem;

// Views on tabs: a tab bar along the top, and below it the view of the selected item, the only
// item view that is a subview of the tab view. The user selects a tab by clicking it, with the
// arrow keys on the focused bar, and with Ctrl+Tab / Ctrl+Shift+Tab or Ctrl+PgDn / Ctrl+PgUp
// anywhere in the tab view. Every change of selection, the program's too, asks the delegate
// first and tells it before and after. While no item is selected, an item added is selected.
class TabView : public View {
public:
    explicit TabView(Rect frame = {});
    ~TabView() override;

    std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }

    const std::vector<Ref<TabViewItem>>& tabViewItems() const { return items_; }
    std::int64_t numberOfTabViewItems() const { return std::ssize(items_); }
    // None outside the items.
    Ref<TabViewItem> tabViewItemAtIndex(std::int64_t index) const;
    // -1 for an item not in the tab view.
    std::int64_t indexOfTabViewItem(const Ref<TabViewItem>& item) const;
    void addTabViewItem(const Ref<TabViewItem>& item);
    // An index past the end adds at the end; an item in another tab view, or already in this
    // one, moves here.
    void insertTabViewItemAtIndex(const Ref<TabViewItem>& item, std::int64_t index);
    // Removing the selected item selects the one after it, else the one before.
    void removeTabViewItem(const Ref<TabViewItem>& item);

    Ref<TabViewItem> selectedTabViewItem() const;
    void selectTabViewItem(const Ref<TabViewItem>& item);
    // Selecting the selected item, or an index outside the items, does nothing and asks nothing.
    void selectTabViewItemAtIndex(std::int64_t index);
    // The next and previous tabs, wrapping around at the ends.
    void selectNextTabViewItem();
    void selectPreviousTabViewItem();
    // Where every item's view is placed: the bounds below the tab bar.
    Rect contentRect() const;

    std::shared_ptr<TabViewDelegate> delegate() const { return delegate_.lock(); }
    // The tab view holds its delegate weakly, as a window does.
    void setDelegate(const std::shared_ptr<TabViewDelegate>& delegate) { delegate_ = delegate; }

    // Lays out the bar and the items' views, the unselected ones too, whatever the views'
    // autoresizing masks say.
    void resizeSubviewsWithOldSize(Size oldSize) override;

    // Internal to the platform: the toolkit side of the tab view.
    struct Toolkit;

private:
    friend class TabViewItem;
    void itemDidChange(const TabViewItem& item);
    void showView(const Ref<View>& old, const Ref<View>& shown);
    void showSelectedOnBar();
    void placeBar();
    void numberOfItemsDidChange();

    std::unique_ptr<Toolkit> toolkit_;
    std::vector<Ref<TabViewItem>> items_;
    std::int64_t selected_ = -1;
    std::int64_t tag_ = 0;
    std::weak_ptr<TabViewDelegate> delegate_;
};

} // namespace platform
