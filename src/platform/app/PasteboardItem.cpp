#include "platform/app/PasteboardItem.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/String.h"

#include <algorithm>

namespace platform {

Ref<Array> PasteboardItem::types() const {
    const auto result = Array::arrayWithCapacity(entries_.size());
    for (const auto& entry : entries_)
        result->addObject(String::fromUtf8(entry.first));
    return result;
}

Ref<Data> PasteboardItem::dataForType(const String& type) const {
    const std::string name = type.utf8();
    const auto it = std::find_if(entries_.begin(), entries_.end(),
                                 [&](const auto& entry) { return entry.first == name; });
    return it == entries_.end() ? nullptr : it->second;
}

void PasteboardItem::setDataForType(Ref<Data> data, const String& type) {
    const std::string name = type.utf8();
    std::erase_if(entries_, [&](const auto& entry) { return entry.first == name; });
    if (data)
        entries_.emplace_back(name, std::move(data));
}

} // namespace platform
