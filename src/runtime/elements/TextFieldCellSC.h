#pragma once

// A text field's cell whose text colour the program chooses: each time the field asks for the
// colour (when it draws), the dialog callback hears CellEvent::TextColor with the cell and may
// replace the cell's own colour in CUI_TextFieldCellEvent. Give it to a field with
// platform::TextField::setCell.

#include "platform/views/TextFieldCell.h"

// The text-colour question of a cell of the family, starting from the colour the cell would
// answer itself.
platform::Ref<platform::Color> CellTextColorQuestion(const platform::Object& cell,
                                                     platform::Ref<platform::Color> own);

class TextFieldCellSC final : public platform::TextFieldCell {
public:
    platform::Ref<platform::Color> textColor() const override;
};
