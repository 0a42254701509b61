#pragma once

#include "platform/foundation/Object.h"

#include <string>
#include <utility>
#include <vector>

namespace platform {

class Array;
class PasteboardItem;
class String;

// The framework's pasteboard type of a list of file names: its property list is an array of
// the paths (strings) of local files.
inline constexpr const char* FilenamesPboardType = "NSFilenamesPboardType";
// The pasteboard type of plain text.
inline constexpr const char* StringPboardType = "public.utf8-plain-text";
// The pasteboard type of one file's URL: an item's data is the URL's text in UTF-8.
inline constexpr const char* FileURLPboardType = "public.file-url";

// Data offered under named types, and items that each offer data of their own: what a drag
// carries.
class Pasteboard : public Object {
public:
    // The types offered, in the order they were set, then those of the items not offered yet.
    Ref<Array> types() const;
    bool containsType(const String& type) const;
    // The value offered for the type, or none: for the file-names type an array of paths.
    Ref<Object> propertyListForType(const String& type) const;
    void setPropertyListForType(Ref<Object> propertyList, const String& type);

    // The pasteboard items written, in order.
    Ref<Array> pasteboardItems() const;
    // Adds the pasteboard items of the array; other objects are left out.
    void writeObjects(const Ref<Array>& objects);
    // The URLs of the local files offered: those of the file-names list, then the items' file
    // URLs. Anything else, web addresses included, is left out.
    Ref<Array> readFileURLs() const;

private:
    std::vector<std::pair<std::string, Ref<Object>>> entries_;
    std::vector<Ref<PasteboardItem>> items_;
};

} // namespace platform
