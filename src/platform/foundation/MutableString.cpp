#include "platform/foundation/MutableString.h"

namespace platform {

MutableString::MutableString(std::u16string units) : String(std::move(units)) {}

Ref<MutableString> MutableString::create(std::u16string units) {
    return std::make_shared<MutableString>(std::move(units));
}

Ref<MutableString> MutableString::stringWithString(const String& string) {
    return create(string.utf16());
}

void MutableString::appendString(const String& string) {
    units_ += string.utf16();
}

void MutableString::appendFormat(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    const Ref<String> text = stringWithFormatArguments(format, arguments);
    va_end(arguments);
    units_ += text->utf16();
}

void MutableString::setString(const String& string) {
    if (&string != this)
        units_ = string.utf16();
}

void MutableString::deleteCharactersInRange(Range range) {
    const auto [begin, count] = clip(range);
    units_.erase(begin, count);
}

Ref<String> MutableString::description() const {
    return String::create(units_);
}

} // namespace platform
