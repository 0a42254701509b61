#pragma once

// Internal to the platform: toolkit menus shown for our menus, the menu bar of the main menu, and
// the contextual menu of a view.

#include "platform/foundation/Object.h"

class QContextMenuEvent;
class QMenu;
class QMenuBar;
class QWidget;

namespace platform {
class Menu;
class View;
} // namespace platform

namespace platform::detail {

// Tells the menu's delegate when the toolkit menu showing it opens and closes, and when another
// item is highlighted. The toolkit menu holds one action per item, in the items' order.
void tellMenuDelegate(const Ref<Menu>& menu, QMenu& shown);

// A toolkit menu with the menu's items: choosing one performs the item's action.
QMenu* makeToolkitMenu(const Ref<Menu>& menu, QWidget* parent);

// A toolkit menu bar with the menu's items as its titles and their submenus as its menus. An
// item chosen there performs its action once the menu has closed, at the next pass of the
// event loop: an action that runs a modal loop or changes the menu then has no toolkit menu
// on the stack. Key equivalents show beside the items but are left to the key-equivalent
// filter, so that a key never chooses an item twice.
QMenuBar* makeToolkitMenuBar(const Ref<Menu>& menu, QWidget* parent);

// Asks the view for the menu of the event and pops it up where the event happened; answers
// whether there was one.
bool showContextMenu(View& view, QWidget& widget, const QContextMenuEvent& event);

} // namespace platform::detail
