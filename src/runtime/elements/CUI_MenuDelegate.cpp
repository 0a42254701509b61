#include "runtime/elements/CUI_MenuDelegate.h"

#include "runtime/elements/CUI_MenuItemTarget.h"
#include "runtime/shell/EventCodes.h"

#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

using platform::Ref;

void CUI_MenuDelegate::report(std::int64_t event, const platform::Menu& menu,
                              std::int64_t item) const {
    if (callback_)
        callback_(event, MenuNumber(menu), item, userData_);
}

void CUI_MenuDelegate::menuNeedsUpdate(const Ref<platform::Menu>& menu) {
    report(MenuEvent::NeedsUpdate, *menu, 0);
}
void CUI_MenuDelegate::menuWillOpen(const Ref<platform::Menu>& menu) {
    report(MenuEvent::WillOpen, *menu, 0);
}
void CUI_MenuDelegate::menuDidClose(const Ref<platform::Menu>& menu) {
    report(MenuEvent::DidClose, *menu, 0);
}
void CUI_MenuDelegate::menuWillHighlightItem(const Ref<platform::Menu>& menu,
                                             const Ref<platform::MenuItem>& item) {
    report(MenuEvent::WillHighlightItem, *menu, item ? MenuItemNumber(*item) : -1);
}

void MenuDelegateSet(const Ref<platform::Menu>& menu, MenuDelegateCallback callback,
                     void* userData) {
    if (!menu)
        return;
    // The menu holds its delegate weakly; the attached property keeps this one alive.
    auto delegate = std::dynamic_pointer_cast<CUI_MenuDelegate>(menu->delegate());
    if (!delegate) {
        delegate = std::make_shared<CUI_MenuDelegate>();
        menu->setAttachedProperty("cuiMenuDelegate", delegate);
        menu->setDelegate(delegate);
    }
    delegate->setCallback(callback);
    delegate->setUserData(userData);
}
