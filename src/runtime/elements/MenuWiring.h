#pragma once

// Wiring menus to the program: their items report through the shared CUI_MenuItemTarget.

#include "platform/foundation/Object.h"

namespace platform {
class Array;
class Menu;
class View;
} // namespace platform

// The menus wired with an identifier, in the order they were wired; created empty on first use
// and never emptied, so the menus in it live as long as the process.
platform::Ref<platform::Array> MenuList();

// Wires the menu: a menu whose identifier has an integer value other than 0 takes it as its
// tag and joins the menu list. Then every item holding a submenu wires that submenu, and every
// other item gets the shared CUI_MenuItemTarget and the action "menuItemAction:" when the menu
// is a submenu or its identifier is 101 or more; the items of a top-level menu numbered below
// 101 (the application's own menus) are left as they are.
void MenuWire(const platform::Ref<platform::Menu>& menu);
// Wires the view's contextual menu when its identifier is 101 or more; nothing otherwise.
void ViewMenuWire(const platform::Ref<platform::View>& view);
