#pragma once

// The forms of the program's event callbacks, and the dialog callback that receives every event
// no element callback takes.
//
// Installing callbacks (nothing in the runtime installs any; programs and tests do):
//   DialogCallbackSet(callback)            the dialog callback, for every source
//   AppEventFunctionSet(handler)           the program-wide application-event handler
//   AppDelegateGet()->setDelegateCallback  the delegate's own application-event handler
//   AllWindowsCallbackSet(callback)        the windows' shared callback
//   WindowCallbackSet(tag, callback, data) one window's callback
//   AllControlsCallbackSet(callback)       the controls' shared callback
//   Additions::setCuiControlCallback       one control's callback (and its user data)
//   Additions::setCuiMenuItemCallback      one menu item's callback (and its user data)
//   MenuCallbackSet(callback)              the menu callback, for wired menu items without one
//   ViewToolTipAdd(view, rect, callback)   the text of one tool tip of a view
//   Additions::setDelegateCallback         one table view's delegate events
//   Additions::setCustomCellCallback       one table view's own cells (and its user data)
//   Additions::setCuiOutlineViewCallback   one outline view's delegate events

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class String;
}

// (event code, tag of the element, tag of its window, an event-specific object or none)
using DialogCallback = void (*)(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
                                const platform::Ref<platform::Object>& object);
// (window tag, event code, user data)
using WindowCallback = void (*)(std::int64_t wndTag, std::int64_t event, void* userData);
// (control tag, window tag, user data)
using ControlCallback = void (*)(std::int64_t tag, std::int64_t wndTag, void* userData);
// (menu number, item number, user data)
using MenuItemCallback = void (*)(std::int64_t menu, std::int64_t item, void* userData);
// (view tag, window tag, tool-tip tag, user data) answering the tip's text, or none for no tip
using ToolTipCallback = platform::Ref<platform::String> (*)(std::int64_t tag, std::int64_t wndTag,
                                                            std::int64_t toolTipTag,
                                                            void* userData);

// (the text storage, what the edit changed as TextStorageEditActions, the edited range's location
// and length, the change in length, user data)
using TextStorageCallback = void (*)(const platform::Ref<platform::Object>& textStorage,
                                     std::uint64_t editedMask, std::int64_t location,
                                     std::int64_t length, std::int64_t changeInLength,
                                     void* userData);

// (table view tag, event code): a table's own receiver of its delegate's events
using TableDelegateCallback = void (*)(std::int64_t tag, std::int64_t event);
// (outline view tag, event code): an outline's own receiver of its delegate's events
using OutlineViewCallback = void (*)(std::int64_t tag, std::int64_t event);
// (table view tag, column identifier, row, one subview of the cell view, user data)
using CustomCellCallback = void (*)(std::int64_t tag, const platform::Ref<platform::String>& column,
                                    std::int64_t row,
                                    const platform::Ref<platform::Object>& subview, void* userData);

// (menu number, item number)
using MenuCallback = void (*)(std::int64_t menu, std::int64_t item);

// Installs the dialog callback; none removes it.
void DialogCallbackSet(DialogCallback callback);
DialogCallback DialogCallbackGet();
// Calls the dialog callback when one is installed; answers whether it was called.
bool DialogCallbackCall(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
                        const platform::Ref<platform::Object>& object);
// Installs the menu callback, which hears the wired menu items that have no callback of their
// own; none removes it.
void MenuCallbackSet(MenuCallback callback);
MenuCallback MenuCallbackGet();
