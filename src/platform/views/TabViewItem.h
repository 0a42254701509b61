#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class String;
class TabView;
class View;

// One tab of a tab view: the label on its tab and the view shown while it is selected. A new
// item has a plain view of its own.
class TabViewItem : public Object {
public:
    explicit TabViewItem(Ref<Object> identifier = nullptr);
    ~TabViewItem() override;

    Ref<Object> identifier() const { return identifier_; }
    void setIdentifier(Ref<Object> identifier) { identifier_ = std::move(identifier); }
    Ref<String> label() const { return label_; }
    void setLabel(Ref<String> label);
    Ref<View> view() const { return view_; }
    void setView(Ref<View> view);
    // The tab view the item is in, none before it is added.
    Ref<TabView> tabView() const { return tabView_.lock(); }

private:
    friend class TabView;

    Ref<Object> identifier_;
    Ref<String> label_;
    Ref<View> view_;
    WeakRef<TabView> tabView_;
};

} // namespace platform
