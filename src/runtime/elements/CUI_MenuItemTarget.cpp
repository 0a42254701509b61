#include "runtime/elements/CUI_MenuItemTarget.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/Callbacks.h"

#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

#include <algorithm>
#include <string>

using platform::Ref;

Ref<CUI_MenuItemTarget> CUI_MenuItemTarget::shared() {
    static const Ref<CUI_MenuItemTarget> target = std::make_shared<CUI_MenuItemTarget>();
    return target;
}

std::int64_t MenuItemNumber(const platform::MenuItem& item) {
    const auto menu = item.menu();
    if (!menu)
        return -1;
    const auto& items = menu->itemArray();
    const auto found =
        std::find_if(items.begin(), items.end(),
                     [&](const Ref<platform::MenuItem>& i) { return i.get() == &item; });
    return found == items.end() ? -1 : found - items.begin();
}

std::int64_t MenuNumber(const platform::Menu& menu) {
    const std::int64_t tag = Additions::tag(menu);
    if (tag >= 1)
        return tag;
    if (const auto super = menu.supermenu())
        for (std::size_t i = 0; i < super->itemArray().size(); ++i)
            if (super->itemArray()[i]->submenu().get() == &menu)
                return static_cast<std::int64_t>(i);
    return tag;
}

void CUI_MenuItemTarget::menuItemAction(const Ref<platform::Object>& sender) {
    const auto item = sender ? sender->as<platform::MenuItem>() : nullptr;
    const auto menu = item ? item->menu() : nullptr;
    if (!menu)
        return;
    if (const auto callback = Additions::cuiMenuItemCallback(*item))
        callback(MenuNumber(*menu), MenuItemNumber(*item), Additions::cuiMenuItemUserData(*item));
    else if (const auto all = MenuCallbackGet())
        all(MenuNumber(*menu), MenuItemNumber(*item));
}

platform::Selector CUI_MenuItemTarget::actionSelector(std::int64_t number) {
    if (number < -1 || number > 31)
        return {};
    const std::string name =
        number < 0 ? "menuItemAction:" : "menuItemAction" + std::to_string(number) + ":";
    return {name, &CUI_MenuItemTarget::menuItemAction};
}

bool CUI_MenuItemTarget::validateMenuItem(const Ref<platform::MenuItem>& item) {
    const auto menu = item ? item->menu() : nullptr;
    if (!validateCallback_ || !menu)
        return item && item->isEnabled();
    return validateCallback_(MenuNumber(*menu), MenuItemNumber(*item));
}
