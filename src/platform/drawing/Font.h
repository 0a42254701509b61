#pragma once

#include "platform/foundation/Object.h"

#include <memory>

namespace platform {

// A font face at a size. Sizes are in points, and a point is a device-independent pixel, so a
// font is laid out at a whole pixel size: the size asked for, rounded to the nearest whole
// number (at least 1). pointSize() answers the size as asked.
class Font : public Object {
public:
    struct Peer;

    // The font of the family with that name, or none when the font database does not know the
    // family. "Menlo", the framework's fixed-pitch family, is answered by "DejaVu Sans Mono".
    static Ref<Font> fontWithNameSize(const String& name, double size);
    // The general user-interface font at a size; it always exists.
    static Ref<Font> systemFontOfSize(double size);

    explicit Font(std::unique_ptr<Peer> peer);
    ~Font() override;

    // The name the font was asked for, so that asking again with it finds the same face.
    Ref<String> fontName() const { return name_; }
    Ref<String> familyName() const;
    double pointSize() const { return size_; }
    // Distances from the baseline: up to the top of the tallest glyphs, and down (negative) to
    // the bottom of the lowest; leading is the gap the font asks for between lines.
    double ascender() const;
    double descender() const;
    double leading() const;

    const Peer& peer() const { return *peer_; }

    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

private:
    std::unique_ptr<Peer> peer_;
    Ref<String> name_;
    double size_ = 0;
};

} // namespace platform
