#include "platform/testing/WindowSnapshot.h"

#include "platform/detail/WindowPeer.h"
#include "platform/windows/Window.h"

#include <QImage>
#include <QPixmap>

#include <cmath>

namespace platform::testing {

struct WindowSnapshot::Image {
    QImage image;
};

WindowSnapshot::WindowSnapshot(const Window& window)
    : image_(std::make_unique<Image>(Image{window.peer().widget->grab().toImage()})) {}

WindowSnapshot::~WindowSnapshot() = default;

int WindowSnapshot::width() const {
    return image_->image.width();
}

int WindowSnapshot::height() const {
    return image_->image.height();
}

Pixel WindowSnapshot::pixelAt(Point point) const {
    const int x = static_cast<int>(std::floor(point.x));
    const int y = image_->image.height() - 1 - static_cast<int>(std::floor(point.y));
    if (!image_->image.valid(x, y))
        return {};
    const QColor color = image_->image.pixelColor(x, y);
    return {color.red(), color.green(), color.blue(), color.alpha()};
}

} // namespace platform::testing
