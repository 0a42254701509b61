#include "runtime/elements/TableHeaderCellSC.h"

#include "runtime/elements/CellSC.h"
#include "runtime/elements/TextFieldCellSC.h"

#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/foundation/String.h"

platform::Ref<platform::Font> TableHeaderCellSC::font() const {
    return CellFontQuestion(*this, fontProp_ ? fontProp_ : TextFieldCell::font());
}

platform::Ref<platform::Color> TableHeaderCellSC::textColor() const {
    return CellTextColorQuestion(*this,
                                 textColorProp_ ? textColorProp_ : TextFieldCell::textColor());
}
