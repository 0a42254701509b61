#include "runtime/shell/Callbacks.h"

namespace {

DialogCallback dialogCallback = nullptr;
MenuCallback menuCallback = nullptr;

} // namespace

void DialogCallbackSet(DialogCallback callback) {
    dialogCallback = callback;
}

DialogCallback DialogCallbackGet() {
    return dialogCallback;
}

bool DialogCallbackCall(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
                        const platform::Ref<platform::Object>& object) {
    // Read once: the callback may install another while it runs.
    const DialogCallback callback = dialogCallback;
    if (!callback)
        return false;
    callback(event, tag, wndTag, object);
    return true;
}

void MenuCallbackSet(MenuCallback callback) {
    menuCallback = callback;
}

MenuCallback MenuCallbackGet() {
    return menuCallback;
}
