#pragma once

// Internal to the platform: toolkit menus shown for our menus, and the contextual menu of a view.

#include "platform/Object.h"

class QContextMenuEvent;
class QMenu;
class QWidget;

namespace platform {
class Menu;
class View;
} // namespace platform

namespace platform::detail {

// A toolkit menu with the menu's items: choosing one performs the item's action.
QMenu* makeToolkitMenu(const Ref<Menu>& menu, QWidget* parent);

// Asks the view for the menu of the event and pops it up where the event happened; answers
// whether there was one.
bool showContextMenu(View& view, QWidget& widget, const QContextMenuEvent& event);

} // namespace platform::detail
