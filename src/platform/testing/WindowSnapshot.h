#pragma once

#include "platform/foundation/Geometry.h"

#include <cstdint>
#include <memory>

namespace platform {
class Window;
}

namespace platform::testing {

struct Pixel {
    int red = 0;
    int green = 0;
    int blue = 0;
    int alpha = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
};

// An image of a window's content as the toolkit renders it, read in the window's content
// coordinates (origin at the bottom left).
class WindowSnapshot {
public:
    explicit WindowSnapshot(const Window& window);
    ~WindowSnapshot();

    int width() const;
    int height() const;
    Pixel pixelAt(Point point) const;

private:
    struct Image;
    std::unique_ptr<Image> image_;
};

} // namespace platform::testing
