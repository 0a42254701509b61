#pragma once

// Properties the runtime attaches to platform objects: the tags and window tags programs name
// objects by, and their callbacks and user data. Each is stored under a key of its own on the
// object that carries it and lives as long as that object; a property never set reads as 0,
// false or none. Classes that have a tag of their own (controls, menu items) keep using it.

#include "runtime/shell/Callbacks.h"

#include "platform/foundation/Object.h"

#include <cstdint>
#include <string_view>

namespace platform {
class Alert;
class Array;
class Dictionary;
class Menu;
class MenuItem;
class Popover;
class SavePanel;
class TextStorage;
class View;
class Window;
} // namespace platform

namespace Additions {

// The storage primitives every property below is made of.
std::int64_t attachedInteger(const platform::Object& object, std::string_view key);
void setAttachedInteger(platform::Object& object, std::string_view key, std::int64_t value);
void* attachedPointer(const platform::Object& object, std::string_view key);
void setAttachedPointer(platform::Object& object, std::string_view key, void* value);

// Every object.
std::int64_t ID(const platform::Object& object);
void setID(platform::Object& object, std::int64_t value);
// The tag of the window that holds the object.
std::int64_t wndTag(const platform::Object& object);
void setWndTag(platform::Object& object, std::int64_t value);
platform::Ref<platform::Dictionary> objectProperties(const platform::Object& object);
void setObjectProperties(platform::Object& object, platform::Ref<platform::Dictionary> value);

// Windows and panels.
std::int64_t tag(const platform::Window& window);
void setTag(platform::Window& window, std::int64_t value);
WindowCallback cuiWindowCallback(const platform::Window& window);
void setCuiWindowCallback(platform::Window& window, WindowCallback callback);
void* cuiWindowUserData(const platform::Window& window);
void setCuiWindowUserData(platform::Window& window, void* userData);

// Alerts, and open and save panels.
std::int64_t tag(const platform::Alert& alert);
void setTag(platform::Alert& alert, std::int64_t value);
// Whether the alert is shown as a sheet.
bool sheet(const platform::Alert& alert);
void setSheet(platform::Alert& alert, bool value);
std::int64_t tag(const platform::SavePanel& panel);
void setTag(platform::SavePanel& panel, std::int64_t value);
bool sheet(const platform::SavePanel& panel);
void setSheet(platform::SavePanel& panel, bool value);

// Menus.
std::int64_t tag(const platform::Menu& menu);
void setTag(platform::Menu& menu, std::int64_t value);

// Popovers.
std::int64_t tag(const platform::Popover& popover);
void setTag(platform::Popover& popover, std::int64_t value);

// Menu items.
MenuItemCallback cuiMenuItemCallback(const platform::MenuItem& item);
void setCuiMenuItemCallback(platform::MenuItem& item, MenuItemCallback callback);
void* cuiMenuItemUserData(const platform::MenuItem& item);
void setCuiMenuItemUserData(platform::MenuItem& item, void* userData);

// Controls. The platform's controls are views.
ControlCallback cuiControlCallback(const platform::View& control);
void setCuiControlCallback(platform::View& control, ControlCallback callback);
void* cuiControlUserData(const platform::View& control);
void setCuiControlUserData(platform::View& control, void* userData);

// Views.
bool suspendDrawRect(const platform::View& view);
void setSuspendDrawRect(platform::View& view, bool value);
bool flipFlag(const platform::View& view);
void setFlipFlag(platform::View& view, bool value);
bool responderFlag(const platform::View& view);
void setResponderFlag(platform::View& view, bool value);
bool dragInsideFlag(const platform::View& view);
void setDragInsideFlag(platform::View& view, bool value);
platform::Ref<platform::Array> dragFileTypes(const platform::View& view);
void setDragFileTypes(platform::View& view, platform::Ref<platform::Array> value);
platform::Ref<platform::Array> dragFileExtensions(const platform::View& view);
void setDragFileExtensions(platform::View& view, platform::Ref<platform::Array> value);

// Table views: the receiver of the table delegate's events, and the program's own cells: the
// identifiers of the columns whose cell views it fills itself, through the custom-cell callback.
TableDelegateCallback delegateCallback(const platform::View& table);
void setDelegateCallback(platform::View& table, TableDelegateCallback callback);
CustomCellCallback customCellCallback(const platform::View& table);
void setCustomCellCallback(platform::View& table, CustomCellCallback callback);
void* customCellUserData(const platform::View& table);
void setCustomCellUserData(platform::View& table, void* userData);
platform::Ref<platform::Array> customCellIdentifiers(const platform::View& table);
void setCustomCellIdentifiers(platform::View& table, platform::Ref<platform::Array> value);

// Outline views: the receiver of the outline delegate's events. It is kept apart from the
// callback the outline has as a control, so that setting the one leaves the other.
OutlineViewCallback cuiOutlineViewCallback(const platform::View& outlineView);
void setCuiOutlineViewCallback(platform::View& outlineView, OutlineViewCallback callback);

// Text storages: what hears of each edit before it is laid out and after, through the shared
// CUI_TextStorageDelegate.
TextStorageCallback willProcessEditingCallback(const platform::TextStorage& storage);
void setCuiTextStorageWillProcessEditingCallback(platform::TextStorage& storage,
                                                 TextStorageCallback callback);
void* willProcessEditingUserData(const platform::TextStorage& storage);
void setCuiTextStorageWillProcessEditingUserData(platform::TextStorage& storage, void* userData);
TextStorageCallback didProcessEditingCallback(const platform::TextStorage& storage);
void setCuiTextStorageDidProcessEditingCallback(platform::TextStorage& storage,
                                                TextStorageCallback callback);
void* didProcessEditingUserData(const platform::TextStorage& storage);
void setCuiTextStorageDidProcessEditingUserData(platform::TextStorage& storage, void* userData);

} // namespace Additions
