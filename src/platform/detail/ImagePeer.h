#pragma once

// Internal to the platform: the toolkit picture that an Image holds.

#include <QImage>

namespace platform {

struct ImagePeer {
    QImage image;
};

} // namespace platform
