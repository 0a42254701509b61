#include "platform/foundation/Data.h"

#include "platform/foundation/String.h"

#include <string_view>

namespace platform {

Data::Data(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

Ref<Data> Data::create(std::vector<std::uint8_t> bytes) {
    return std::make_shared<Data>(std::move(bytes));
}

Ref<Data> Data::dataWithBytes(const void* bytes, std::size_t length) {
    if (!bytes || length == 0)
        return create();
    const auto* first = static_cast<const std::uint8_t*>(bytes);
    return create(std::vector<std::uint8_t>(first, first + length));
}

Ref<String> Data::description() const {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text = "<";
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        if (i > 0 && i % 4 == 0)
            text += ' ';
        text += digits[bytes_[i] >> 4];
        text += digits[bytes_[i] & 0xF];
    }
    return String::fromUtf8(text + ">");
}

bool Data::isEqual(const Object& other) const {
    const auto* data = dynamic_cast<const Data*>(&other);
    return data && data->bytes_ == bytes_;
}

std::size_t Data::hash() const {
    return std::hash<std::string_view>{}(
        std::string_view(reinterpret_cast<const char*>(bytes_.data()), bytes_.size()));
}

} // namespace platform
