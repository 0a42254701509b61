#pragma once

// Shared by the foundation tests: strings from literals and objects read back as text.

#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"

#include <string>
#include <vector>

namespace platform::foundation_testing {

inline Ref<String> str(const char* utf8) {
    return String::fromUtf8(utf8);
}

// The object's description, "<none>" for no object.
inline std::string text(const Ref<Object>& object) {
    return object ? object->description()->utf8() : "<none>";
}

inline std::vector<std::string> texts(const Array& array) {
    std::vector<std::string> result;
    for (const auto& object : array)
        result.push_back(text(object));
    return result;
}

} // namespace platform::foundation_testing
