#include "runtime/elements/CellSC.h"

#include "runtime/elements/CUI_CellEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/drawing/Font.h"

platform::Ref<platform::Font> CellFontQuestion(const platform::Object& cell,
                                               platform::Ref<platform::Font> own) {
    const auto record = CUI_CellEvent::shared();
    record->setFontObj(own);
    DialogCallbackCall(CellEvent::Font, 0, 0,
                       std::const_pointer_cast<platform::Object>(cell.shared_from_this()));
    // A callback that leaves no font in the record leaves the cell's own.
    const auto answer = record->fontObj();
    return answer ? answer : own;
}

platform::Ref<platform::Font> CellSC::font() const {
    return CellFontQuestion(*this, Cell::font());
}
