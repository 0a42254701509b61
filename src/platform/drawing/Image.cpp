#include "platform/drawing/Image.h"

#include "platform/app/Bundle.h"
#include "platform/detail/ImagePeer.h"
#include "platform/foundation/String.h"

#include <algorithm>
#include <cmath>

namespace platform {

Image::Image(Size size) : peer_(std::make_unique<ImagePeer>()) {
    peer_->image = QImage(static_cast<int>(std::lround(std::max(0.0, size.width))),
                          static_cast<int>(std::lround(std::max(0.0, size.height))),
                          QImage::Format_ARGB32_Premultiplied);
    peer_->image.fill(Qt::transparent);
}

Image::Image(std::unique_ptr<ImagePeer> peer) : peer_(std::move(peer)) {}

Image::~Image() = default;

Ref<Image> Image::imageWithContentsOfFile(const Ref<String>& path) {
    if (!path)
        return nullptr;
    auto peer = std::make_unique<ImagePeer>();
    if (!peer->image.load(QString::fromStdU16String(path->utf16())))
        return nullptr;
    return Ref<Image>(new Image(std::move(peer)));
}

Ref<Image> Image::imageNamed(const Ref<String>& name) {
    if (!name || name->isEmpty())
        return nullptr;
    return imageWithContentsOfFile(
        String::fromUtf8(Bundle::main()->resourcePath()->utf8() + "/" + name->utf8()));
}

Size Image::size() const {
    return {static_cast<double>(peer_->image.width()), static_cast<double>(peer_->image.height())};
}

void Image::setSize(Size size) {
    peer_->image = peer_->image.scaled(static_cast<int>(std::lround(size.width)),
                                       static_cast<int>(std::lround(size.height)));
}

} // namespace platform
