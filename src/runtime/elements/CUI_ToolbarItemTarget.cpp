#include "runtime/elements/CUI_ToolbarItemTarget.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/windows/ToolbarItem.h"
#include "platform/windows/Window.h"

#include <cstdlib>

using platform::Ref;

namespace {

void report(const platform::ToolbarItem& item, std::int64_t code) {
    const auto key = platform::Application::shared()->keyWindow();
    CurrentOutputWindowTagSet(key ? std::llabs(Additions::tag(*key)) : 0);
    DialogCallbackCall(code, item.tag(), CurrentOutputWindowTag(), nullptr);
}

} // namespace

const Ref<CUI_ToolbarItemTarget>& CUI_ToolbarItemTarget::shared() {
    static const Ref<CUI_ToolbarItemTarget> target = std::make_shared<CUI_ToolbarItemTarget>();
    return target;
}

void CUI_ToolbarItemTarget::toolbarItemAction(const Ref<platform::ToolbarItem>& item) {
    if (item)
        report(*item, ToolbarEvent::ItemAction);
}

bool CUI_ToolbarItemTarget::validateToolbarItem(const Ref<platform::ToolbarItem>& item) {
    if (!item)
        return false;
    DialogEventSetBoolVal(item->isEnabled());
    report(*item, ToolbarEvent::ValidateItem);
    return DialogEventBoolVal();
}
