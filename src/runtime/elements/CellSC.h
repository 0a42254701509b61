#pragma once

// A control's cell whose font the program chooses: each time the control asks for the font,
// the dialog callback hears CellEvent::Font with the cell and may replace the cell's own font
// in CUI_CellEvent. Give it to a control with platform::Control::setCell.

#include "platform/views/Cell.h"

// The font question of a cell of the family, starting from the font the cell would answer
// itself.
platform::Ref<platform::Font> CellFontQuestion(const platform::Object& cell,
                                               platform::Ref<platform::Font> own);

class CellSC final : public platform::Cell {
public:
    platform::Ref<platform::Font> font() const override;
};
