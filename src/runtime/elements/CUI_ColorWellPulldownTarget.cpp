#include "runtime/elements/CUI_ColorWellPulldownTarget.h"

#include "runtime/shell/CUI_ControlTarget.h"
#include "runtime/shell/EventCodes.h"

#include "platform/views/View.h"

using platform::Ref;

Ref<CUI_ColorWellPulldownTarget> CUI_ColorWellPulldownTarget::shared() {
    static const Ref<CUI_ColorWellPulldownTarget> target =
        std::make_shared<CUI_ColorWellPulldownTarget>();
    return target;
}

void CUI_ColorWellPulldownTarget::pulldownAction(const Ref<platform::Object>& sender) {
    ControlEvent(ColorWellEvent::Pulldown, sender ? sender->as<platform::View>() : nullptr, sender);
}

platform::Selector CUI_ColorWellPulldownTarget::actionSelector() {
    return {"pulldownAction:", &CUI_ColorWellPulldownTarget::pulldownAction};
}
