#include "platform/views/Cell.h"

#include "platform/drawing/Font.h"

namespace platform {

Cell::Cell() : font_(Font::systemFontOfSize(13)) {}

Cell::~Cell() = default;

void Cell::setFont(Ref<Font> font) {
    font_ = font ? std::move(font) : Font::systemFontOfSize(13);
}

} // namespace platform
