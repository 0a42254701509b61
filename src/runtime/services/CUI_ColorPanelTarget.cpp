#include "runtime/services/CUI_ColorPanelTarget.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/drawing/Color.h"
#include "platform/services/ColorPanel.h"

void CUI_ColorPanelTarget::action(const platform::Ref<platform::Object>& sender) {
    const auto panel = std::dynamic_pointer_cast<platform::ColorPanel>(sender);
    const auto color = panel ? panel->color() : platform::ColorPanel::sharedColorPanel()->color();
    if (callback_) {
        callback_(color, userData_);
        return;
    }
    DialogEventSetColorObj(color);
    DialogCallbackCall(ColorPanelEvent::Action, 0, 0, color);
}
