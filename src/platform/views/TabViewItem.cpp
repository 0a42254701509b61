#include "platform/views/TabViewItem.h"

#include "platform/foundation/String.h"
#include "platform/views/TabView.h"

#include <utility>

namespace platform {

TabViewItem::TabViewItem(Ref<Object> identifier)
    : identifier_(std::move(identifier)), label_(String::create()),
      view_(std::make_shared<View>()) {}

TabViewItem::~TabViewItem() = default;

void TabViewItem::setLabel(Ref<String> label) {
    label_ = label ? std::move(label) : String::create();
    if (const auto tabs = tabView())
        tabs->itemDidChange(*this);
}

void TabViewItem::setView(Ref<View> view) {
    const Ref<View> old = std::exchange(view_, std::move(view));
    const auto tabs = tabView();
    if (!tabs)
        return;
    if (tabs->selectedTabViewItem().get() == this)
        tabs->showView(old, view_);
    else if (view_)
        view_->setFrame(tabs->contentRect());
}

} // namespace platform
