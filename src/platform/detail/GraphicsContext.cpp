#include "platform/detail/GraphicsContext.h"

namespace platform::detail {

namespace {
GraphicsContext* innermost = nullptr;
}

GraphicsContext::GraphicsContext(QPainter& painter, bool flipped)
    : painter_(painter), flipped_(flipped), outer_(innermost) {
    innermost = this;
}

GraphicsContext::~GraphicsContext() {
    innermost = outer_;
}

GraphicsContext* GraphicsContext::current() {
    return innermost;
}

} // namespace platform::detail
