#include "runtime/services/CUI_StatusBarButtonTarget.h"

void CUI_StatusBarButtonTarget::action(const platform::Ref<platform::Object>& sender) {
    if (callback_)
        callback_(sender, userData_, sender);
}

const platform::Selector& CUI_StatusBarButtonTarget::actionSelector() {
    static const platform::Selector selector("action:", &CUI_StatusBarButtonTarget::action);
    return selector;
}
