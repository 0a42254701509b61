#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <vector>

namespace platform {

// An immutable run of bytes.
class Data : public Object {
public:
    explicit Data(std::vector<std::uint8_t> bytes = {});
    static Ref<Data> create(std::vector<std::uint8_t> bytes = {});
    static Ref<Data> dataWithBytes(const void* bytes, std::size_t length);

    std::size_t length() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& bytes() const { return bytes_; }

    // The bytes in hexadecimal in groups of four: "<0a1b2c3d 4e5f>", "<>" when empty.
    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace platform
