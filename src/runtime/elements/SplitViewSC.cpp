#include "runtime/elements/SplitViewSC.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventForwarding.h"

#include "platform/drawing/Color.h"

platform::Ref<platform::Color> SplitViewSC::dividerColor() const {
    DialogEventSetColorObj(platform::Color::clearColor());
    ForwardElementDelegateEvent(*this, SplitViewEvent::DividerColor, nullptr);
    return DialogEventColorObj();
}

double SplitViewSC::dividerThickness() const {
    DialogEventSetDoubleVal(SplitView::dividerThickness());
    ForwardElementDelegateEvent(*this, SplitViewEvent::DividerThickness, nullptr);
    return DialogEventDoubleVal();
}

void SplitViewSC::drawDividerInRect(platform::Rect rect) {
    DialogEventSetBoolVal(false);
    DialogEventSetRectVal(rect);
    ForwardElementDelegateEvent(*this, SplitViewEvent::DrawDivider, nullptr);
    if (!DialogEventBoolVal())
        SplitView::drawDividerInRect(rect);
}
