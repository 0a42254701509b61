#pragma once

#include "platform/foundation/Object.h"

namespace platform {

class Font;

// The text layout engine's answers about lines of text.
class LayoutManager : public Object {
public:
    // The height of one line of text in the font, leading included, in whole points.
    double defaultLineHeightForFont(const Font& font) const;
};

} // namespace platform
