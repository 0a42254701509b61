#pragma once

// Shared by the dynamic array's tests: building arrays from short literals and reading them back
// as text.

#include "platform/foundation/Array.h"
#include "platform/foundation/Null.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "runtime/arrays/MDAObj.h"

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

namespace arraystesting {

using platform::Array;
using platform::Object;
using platform::Ref;

inline Ref<Object> str(const char* utf8) {
    return platform::String::fromUtf8(utf8);
}
inline Ref<Object> num(std::int64_t value) {
    return platform::Number::numberWithInteger(value);
}
inline Ref<Object> null() {
    return platform::Null::null();
}
inline Ref<Array> row(std::initializer_list<Ref<Object>> objects) {
    return Array::arrayWithObjects(objects);
}

// The entries' descriptions, "<none>" for an absent entry; nested arrays as "(a b)".
inline std::string shape(const Ref<Object>& object) {
    if (!object)
        return "<none>";
    const auto array = object->as<Array>();
    if (!array)
        return object->description()->utf8();
    std::string result = "(";
    for (const auto& entry : *array)
        result += (result.size() > 1 ? " " : "") + shape(entry);
    return result + ")";
}

// A fresh folder for the test's files, removed with everything in it at the end.
class TemporaryFolder {
public:
    TemporaryFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mda-XXXXXX").string();
        path_ = mkdtemp(pattern.data()) ? pattern : std::string();
    }
    ~TemporaryFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace arraystesting
