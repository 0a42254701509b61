#pragma once

// A table header's cell of the family: its font and text colour are its own fontProp and
// textColorProp (the platform cell's where none is set), each asked of the dialog callback as the
// other cells of the family ask theirs. It remembers the identifier of its column.

#include "platform/views/TextFieldCell.h"

namespace platform {
class String;
}

class TableHeaderCellSC final : public platform::TextFieldCell {
public:
    const platform::Ref<platform::String>& columnIdentifier() const { return columnIdentifier_; }
    void setColumnIdentifier(platform::Ref<platform::String> identifier) {
        columnIdentifier_ = std::move(identifier);
    }
    const platform::Ref<platform::Font>& fontProp() const { return fontProp_; }
    void setFontProp(platform::Ref<platform::Font> font) { fontProp_ = std::move(font); }
    const platform::Ref<platform::Color>& textColorProp() const { return textColorProp_; }
    void setTextColorProp(platform::Ref<platform::Color> color) {
        textColorProp_ = std::move(color);
    }

    platform::Ref<platform::Font> font() const override;
    platform::Ref<platform::Color> textColor() const override;

private:
    platform::Ref<platform::String> columnIdentifier_;
    platform::Ref<platform::Font> fontProp_;
    platform::Ref<platform::Color> textColorProp_;
};
