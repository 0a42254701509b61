#include "platform/drawing/LayoutManager.h"

#include "platform/detail/FontPeer.h"

namespace platform {

double LayoutManager::defaultLineHeightForFont(const Font& font) const {
    return detail::defaultLineHeight(font.peer());
}

} // namespace platform
