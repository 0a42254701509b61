#pragma once

// The record of the font question of CellSC: the cell's own font before the dialog callback
// runs, the font the cell answers after it. One record exists, created on first use.

#include "platform/foundation/Object.h"

namespace platform {
class Font;
}

class CUI_CellEvent : public platform::Object {
public:
    static platform::Ref<CUI_CellEvent> shared() {
        static const platform::Ref<CUI_CellEvent> record = std::make_shared<CUI_CellEvent>();
        return record;
    }

    platform::Ref<platform::Font> fontObj() const { return fontObj_; }
    void setFontObj(platform::Ref<platform::Font> font) { fontObj_ = std::move(font); }

private:
    platform::Ref<platform::Font> fontObj_;
};
