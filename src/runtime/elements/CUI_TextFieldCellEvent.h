#pragma once

// The record of the text-colour question of TextFieldCellSC: the cell's own colour before the
// dialog callback runs, the colour the cell answers after it. One record exists, created on
// first use.

#include "platform/foundation/Object.h"

namespace platform {
class Color;
}

class CUI_TextFieldCellEvent : public platform::Object {
public:
    static platform::Ref<CUI_TextFieldCellEvent> shared() {
        static const platform::Ref<CUI_TextFieldCellEvent> record =
            std::make_shared<CUI_TextFieldCellEvent>();
        return record;
    }

    platform::Ref<platform::Color> textColorObj() const { return textColorObj_; }
    void setTextColorObj(platform::Ref<platform::Color> color) { textColorObj_ = std::move(color); }

private:
    platform::Ref<platform::Color> textColorObj_;
};
