#include "runtime/elements/TableRowViewSC.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/drawing/Color.h"

void TableRowViewSC::drawSelectionInRect(platform::Rect rect) {
    DialogEventSetRectVal(rect);
    forwardEvent(TableRowViewEvent::DrawSelection);
}

void TableRowViewSC::drawSeparatorInRect(platform::Rect rect) {
    DialogEventSetRectVal(rect);
    forwardEvent(TableRowViewEvent::DrawSeparator);
}

void TableRowViewSC::forwardEvent(std::int64_t event) {
    DialogCallbackCall(event, 0, 0, self());
}
