#include "platform/views/TextFieldCell.h"

#include "platform/drawing/Color.h"

namespace platform {

TextFieldCell::TextFieldCell() : textColor_(Color::controlTextColor()) {}

TextFieldCell::~TextFieldCell() = default;

void TextFieldCell::setTextColor(Ref<Color> color) {
    textColor_ = color ? std::move(color) : Color::controlTextColor();
}

} // namespace platform
