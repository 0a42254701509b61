#include "runtime/elements/MenuWiring.h"

#include "runtime/elements/CUI_MenuItemTarget.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/ViewTag.h"

#include "platform/foundation/Array.h"
#include "platform/views/View.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

using platform::Ref;

namespace {

// The first menu number programs wire for themselves; the lower ones are the application's.
constexpr std::int64_t kFirstProgramMenu = 101;

} // namespace

Ref<platform::Array> MenuList() {
    static const Ref<platform::Array> menus = platform::Array::array();
    return menus;
}

void MenuWire(const Ref<platform::Menu>& menu) {
    if (!menu)
        return;
    const std::int64_t number = IntegerValue(menu->identifier());
    if (number != 0) {
        Additions::setTag(*menu, number);
        MenuList()->addObject(menu);
    }
    const bool wiresItems = menu->supermenu() || number >= kFirstProgramMenu;
    for (const auto& item : menu->itemArray()) {
        if (const auto submenu = item->submenu()) {
            MenuWire(submenu);
        } else if (wiresItems) {
            item->setTarget(CUI_MenuItemTarget::shared());
            item->setAction(CUI_MenuItemTarget::actionSelector(-1));
        }
    }
}

void ViewMenuWire(const Ref<platform::View>& view) {
    const auto menu = view ? view->menu() : nullptr;
    if (menu && IntegerValue(menu->identifier()) >= kFirstProgramMenu)
        MenuWire(menu);
}
