#include "runtime/elements/TextFieldCellSC.h"

#include "runtime/elements/CUI_TextFieldCellEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/drawing/Color.h"

platform::Ref<platform::Color> CellTextColorQuestion(const platform::Object& cell,
                                                     platform::Ref<platform::Color> own) {
    const auto record = CUI_TextFieldCellEvent::shared();
    record->setTextColorObj(own);
    DialogCallbackCall(CellEvent::TextColor, 0, 0,
                       std::const_pointer_cast<platform::Object>(cell.shared_from_this()));
    // A callback that leaves no colour in the record leaves the cell's own.
    const auto answer = record->textColorObj();
    return answer ? answer : own;
}

platform::Ref<platform::Color> TextFieldCellSC::textColor() const {
    return CellTextColorQuestion(*this, TextFieldCell::textColor());
}
