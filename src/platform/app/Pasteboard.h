#pragma once

#include "platform/foundation/Object.h"

#include <string>
#include <utility>
#include <vector>

namespace platform {

class Array;
class String;

// The framework's pasteboard type of a list of file names: its property list is an array of
// the paths (strings) of local files.
inline constexpr const char* FilenamesPboardType = "NSFilenamesPboardType";
// The pasteboard type of plain text.
inline constexpr const char* StringPboardType = "public.utf8-plain-text";

// Data offered under named types: what a drag carries.
class Pasteboard : public Object {
public:
    // The types offered, in the order they were set.
    Ref<Array> types() const;
    bool containsType(const String& type) const;
    // The value offered for the type, or none: for the file-names type an array of paths.
    Ref<Object> propertyListForType(const String& type) const;
    void setPropertyListForType(Ref<Object> propertyList, const String& type);

private:
    std::vector<std::pair<std::string, Ref<Object>>> entries_;
};

} // namespace platform
