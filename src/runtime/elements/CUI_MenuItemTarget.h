#pragma once

// The shared target of the menu items MenuWire wires, and the numbering by which programs hear
// of them. A menu's number is its attached tag; a submenu without a tag (less than 1) is
// numbered by the index of the item that holds it in its supermenu. An item's number is its
// index in its menu, from 0.

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"
#include "platform/windows/MenuItemValidation.h"

#include <cstdint>

namespace platform {
class Menu;
class MenuItem;
} // namespace platform

// (menu number, item number): whether the item can be chosen.
using MenuValidateCallback = bool (*)(std::int64_t menu, std::int64_t item);

class CUI_MenuItemTarget : public platform::Object, public platform::MenuItemValidation {
public:
    // The one target, created on first use.
    static platform::Ref<CUI_MenuItemTarget> shared();

    // Reports the chosen item: to its own callback (with its user data) when it has one, else
    // to the menu callback when one is installed.
    void menuItemAction(const platform::Ref<platform::Object>& sender);
    // The action "menuItemAction:" for -1 and "menuItemAction0:" to "menuItemAction31:" for 0
    // to 31, each doing what menuItemAction does; a null selector for any other number.
    static platform::Selector actionSelector(std::int64_t number);

    // Without a validate callback the item's own enabled state; with one, its answer.
    bool validateMenuItem(const platform::Ref<platform::MenuItem>& item) override;
    MenuValidateCallback validateCallback() const { return validateCallback_; }
    void setValidateCallback(MenuValidateCallback callback) { validateCallback_ = callback; }

private:
    MenuValidateCallback validateCallback_ = nullptr;
};

std::int64_t MenuNumber(const platform::Menu& menu);
// The item's index in its menu; -1 for an item in no menu.
std::int64_t MenuItemNumber(const platform::MenuItem& item);
