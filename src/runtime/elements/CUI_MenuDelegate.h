#pragma once

// A menu's delegate that reports to a callback of the program: (event, menu number, item
// number, user data), with the MenuEvent codes. Highlighting gives the item's index; opening,
// closing and updating give item 0. Nothing is reported without a callback.

#include "platform/foundation/Object.h"
#include "platform/windows/MenuDelegate.h"

#include <cstdint>

// (event code, menu number, item number, user data)
using MenuDelegateCallback = void (*)(std::int64_t event, std::int64_t menu, std::int64_t item,
                                      void* userData);

class CUI_MenuDelegate : public platform::Object, public platform::MenuDelegate {
public:
    void menuNeedsUpdate(const platform::Ref<platform::Menu>& menu) override;
    void menuWillOpen(const platform::Ref<platform::Menu>& menu) override;
    void menuDidClose(const platform::Ref<platform::Menu>& menu) override;
    void menuWillHighlightItem(const platform::Ref<platform::Menu>& menu,
                               const platform::Ref<platform::MenuItem>& item) override;

    MenuDelegateCallback callback() const { return callback_; }
    void setCallback(MenuDelegateCallback function) { callback_ = function; }
    void* userData() const { return userData_; }
    void setUserData(void* data) { userData_ = data; }

private:
    void report(std::int64_t event, const platform::Menu& menu, std::int64_t item) const;

    MenuDelegateCallback callback_ = nullptr;
    void* userData_ = nullptr;
};

// Gives the menu a CUI_MenuDelegate with the callback and user data, kept alive by the menu;
// a menu that has one keeps it and changes its callback. No callback stops the reports.
void MenuDelegateSet(const platform::Ref<platform::Menu>& menu, MenuDelegateCallback callback,
                     void* userData);
