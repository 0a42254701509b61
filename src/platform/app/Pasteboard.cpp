#include "platform/app/Pasteboard.h"

#include "platform/app/PasteboardItem.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"

#include <algorithm>

namespace platform {

Ref<Array> Pasteboard::types() const {
    const auto result = Array::arrayWithCapacity(entries_.size());
    for (const auto& entry : entries_)
        result->addObject(String::fromUtf8(entry.first));
    for (const auto& item : items_) {
        const auto itemTypes = item->types();
        for (const auto& type : *itemTypes)
            if (!result->containsObject(type))
                result->addObject(type);
    }
    return result;
}

bool Pasteboard::containsType(const String& type) const {
    return propertyListForType(type) != nullptr ||
           std::any_of(items_.begin(), items_.end(),
                       [&](const auto& item) { return item->dataForType(type) != nullptr; });
}

Ref<Object> Pasteboard::propertyListForType(const String& type) const {
    const std::string name = type.utf8();
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const auto& entry) { return entry.first == name; });
    return it == entries_.end() ? nullptr : it->second;
}

void Pasteboard::setPropertyListForType(Ref<Object> propertyList, const String& type) {
    const std::string name = type.utf8();
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const auto& entry) { return entry.first == name; });
    if (it != entries_.end())
        entries_.erase(it);
    if (propertyList)
        entries_.emplace_back(name, std::move(propertyList));
}

Ref<Array> Pasteboard::pasteboardItems() const {
    const auto result = Array::arrayWithCapacity(items_.size());
    for (const auto& item : items_)
        result->addObject(item);
    return result;
}

void Pasteboard::writeObjects(const Ref<Array>& objects) {
    if (!objects)
        return;
    for (const auto& object : *objects)
        if (auto item = std::dynamic_pointer_cast<PasteboardItem>(object))
            items_.push_back(std::move(item));
}

Ref<Array> Pasteboard::readFileURLs() const {
    const auto result = Array::array();
    const auto addIfFile = [&](const Ref<URL>& url) {
        if (url && url->isFileURL())
            result->addObject(url);
    };
    if (const auto paths = std::dynamic_pointer_cast<Array>(
            propertyListForType(*String::fromUtf8(FilenamesPboardType))))
        for (const auto& path : *paths)
            if (const auto name = std::dynamic_pointer_cast<String>(path))
                addIfFile(URL::fileURLWithPath(*name));
    const auto fileURLType = String::fromUtf8(FileURLPboardType);
    for (const auto& item : items_)
        if (const auto data = item->dataForType(*fileURLType))
            addIfFile(URL::URLWithString(
                *String::fromUtf8(std::string(data->bytes().begin(), data->bytes().end()))));
    return result;
}

} // namespace platform
