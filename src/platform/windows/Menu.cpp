#include "platform/windows/Menu.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/windows/MenuItem.h"

#include <algorithm>

namespace platform {

Menu::Menu(Ref<String> title) {
    setTitle(std::move(title));
}

void Menu::setTitle(Ref<String> title) {
    title_ = title ? std::move(title) : String::create();
    didChange();
}

void Menu::didChange() {
    auto root = std::static_pointer_cast<Menu>(weak_from_this().lock());
    while (root && root->supermenu())
        root = root->supermenu();
    if (!root)
        return;
    const auto application = Application::shared();
    if (root == application->mainMenu())
        application->mainMenuDidChange();
}

Ref<MenuItem> Menu::itemAtIndex(std::int64_t index) const {
    return index >= 0 && index < numberOfItems() ? items_[static_cast<std::size_t>(index)]
                                                 : nullptr;
}

void Menu::addItem(const Ref<MenuItem>& item) {
    insertItemAtIndex(item, numberOfItems());
}

void Menu::insertItemAtIndex(const Ref<MenuItem>& item, std::int64_t index) {
    // An item belongs to one menu at a time.
    if (!item || item->menu() || index < 0 || index > numberOfItems())
        return;
    items_.insert(items_.begin() + index, item);
    item->menu_ = std::static_pointer_cast<Menu>(shared_from_this());
    if (const auto submenu = item->submenu())
        submenu->supermenu_ = item->menu_;
    didChange();
}

void Menu::removeItem(const Ref<MenuItem>& item) {
    const auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end())
        return;
    item->menu_.reset();
    if (const auto submenu = item->submenu())
        submenu->supermenu_.reset();
    items_.erase(it);
    didChange();
}

Ref<MenuItem> Menu::itemWithTitle(const String& title) const {
    for (const auto& item : items_)
        if (item->title()->isEqual(title))
            return item;
    return nullptr;
}

bool Menu::performKeyEquivalent(const Event& event) {
    // Copied: an action may change the menu.
    const auto items = items_;
    for (const auto& item : items) {
        if (const auto submenu = item->submenu()) {
            if (submenu->performKeyEquivalent(event))
                return true;
        } else if (item->matchesKeyEquivalent(event) && item->isValidated()) {
            item->performAction();
            return true;
        }
    }
    return false;
}

} // namespace platform
