#include "platform/drawing/Graphics.h"

#include "platform/detail/GraphicsContext.h"

#include <QPainter>

namespace platform {

void RectFill(Rect rect) {
    auto* context = detail::GraphicsContext::current();
    if (!context)
        return;
    QPainter& painter = context->painter();
    painter.fillRect(QRectF(rect.minX(), rect.minY(), rect.width(), rect.height()),
                     painter.brush().color());
}

} // namespace platform
