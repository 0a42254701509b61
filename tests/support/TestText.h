#pragma once

// Strings in tests: the platform's string from UTF-8, and back to UTF-8 from any object.

#include "platform/foundation/String.h"

#include <string>

namespace testsupport {

inline platform::Ref<platform::String> text(const char* utf8) {
    return utf8 ? platform::String::fromUtf8(utf8) : nullptr;
}

// The characters of a string object; "<none>" for no object or one that is not a string.
inline std::string utf8(const platform::Ref<platform::Object>& object) {
    const auto string = object ? object->as<platform::String>() : nullptr;
    return string ? string->utf8() : "<none>";
}

} // namespace testsupport
