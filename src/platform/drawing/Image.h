#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <memory>

namespace platform {

class String;
struct ImagePeer;

// A picture held in memory, as toolbar items and other controls show it.
class Image : public Object {
public:
    // A transparent image of the size.
    explicit Image(Size size);
    ~Image() override;

    // The image in the file (PNG, JPEG, BMP and the other formats the toolkit reads), or none
    // when the file cannot be read.
    static Ref<Image> imageWithContentsOfFile(const Ref<String>& path);

    // The image in the file of that name in the application's resource folder
    // (Bundle::resourcePath), or none.
    static Ref<Image> imageNamed(const Ref<String>& name);

    Size size() const;
    // Scales the picture to the size.
    void setSize(Size size);

    ImagePeer& peer() const { return *peer_; }

private:
    explicit Image(std::unique_ptr<ImagePeer> peer);

    std::unique_ptr<ImagePeer> peer_;
};

} // namespace platform
