#include "platform/views/Control.h"

#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/views/Formatter.h"

namespace platform {

Control::Control(Rect frame, std::unique_ptr<ViewPeer> peer)
    : View(frame, std::move(peer)), font_(Font::systemFontOfSize(13)),
      alignment_(TextAlignment::Natural) {}

void Control::setEnabled(bool enabled) {
    enabled_ = enabled;
    if (QWidget* widget = peer().widget)
        widget->setEnabled(enabled);
}

void Control::setFont(Ref<Font> font) {
    font_ = font ? std::move(font) : Font::systemFontOfSize(13);
}

void Control::setAlignment(std::int64_t alignment) {
    alignment_ = alignment;
}

void Control::setFormatter(Ref<Formatter> formatter) {
    formatter_ = std::move(formatter);
}

} // namespace platform
