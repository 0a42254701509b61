#include "platform/app/Pasteboard.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"

#include <algorithm>

namespace platform {

Ref<Array> Pasteboard::types() const {
    const auto result = Array::arrayWithCapacity(entries_.size());
    for (const auto& entry : entries_)
        result->addObject(String::fromUtf8(entry.first));
    return result;
}

bool Pasteboard::containsType(const String& type) const {
    return propertyListForType(type) != nullptr;
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

} // namespace platform
