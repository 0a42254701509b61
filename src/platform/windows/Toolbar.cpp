#include "platform/windows/Toolbar.h"

#include "platform/foundation/String.h"
#include "platform/windows/ToolbarItem.h"
#include "platform/windows/Window.h"

#include <algorithm>

namespace platform {

Toolbar::Toolbar(Ref<String> identifier)
    : identifier_(identifier ? std::move(identifier) : String::create()) {}

Toolbar::~Toolbar() {
    for (const auto& item : items_)
        item->toolbar_.reset();
}

void Toolbar::insertItemAtIndex(const Ref<ToolbarItem>& item, std::size_t index) {
    if (!item)
        return;
    const Ref<ToolbarItem> keep = item;
    if (const auto previous = item->toolbar_.lock()) {
        auto& list = previous->items_;
        const auto at = std::find(list.begin(), list.end(), item);
        if (at != list.end()) {
            if (previous.get() == this && static_cast<std::size_t>(at - list.begin()) < index)
                --index;
            list.erase(at);
            if (previous.get() != this)
                previous->changed();
        }
    }
    index = std::min(index, items_.size());
    items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(index), item);
    item->toolbar_ = std::static_pointer_cast<Toolbar>(self());
    changed();
}

void Toolbar::removeItemAtIndex(std::size_t index) {
    if (index >= items_.size())
        return;
    items_[index]->toolbar_.reset();
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    changed();
}

void Toolbar::setVisible(bool visible) {
    visible_ = visible;
    changed();
}

void Toolbar::setDisplayMode(ToolbarDisplayMode mode) {
    displayMode_ = mode;
    changed();
}

Ref<Window> Toolbar::window() const {
    return window_ ? std::static_pointer_cast<Window>(window_->self()) : nullptr;
}

void Toolbar::changed() {
    if (window_)
        window_->chromeDidChange();
}

} // namespace platform
