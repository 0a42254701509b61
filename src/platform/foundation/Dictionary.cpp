#include "platform/foundation/Dictionary.h"

#include "platform/detail/PropertyListText.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/CollectionHash.h"
#include "platform/foundation/MutableString.h"

namespace platform {

std::size_t Dictionary::KeyHash::operator()(const Ref<Object>& key) const {
    return keyedHash(key->hash());
}

Ref<Dictionary> Dictionary::dictionary() {
    return std::make_shared<Dictionary>();
}

Ref<Object> Dictionary::objectForKey(const Ref<Object>& key) const {
    if (!key)
        return nullptr;
    const auto it = index_.find(key);
    return it == index_.end() ? nullptr : entries_[it->second].value;
}

void Dictionary::setObjectForKey(Ref<Object> value, Ref<Object> key) {
    if (!key)
        return;
    if (!value) {
        removeObjectForKey(key);
        return;
    }
    if (const auto* string = dynamic_cast<const MutableString*>(key.get()))
        key = String::create(string->utf16());
    // One look-up for both cases: hashing a collection key walks its content.
    const auto [it, added] = index_.try_emplace(key, entries_.size());
    if (!added) {
        entries_[it->second].value = std::move(value);
        return;
    }
    entries_.push_back({std::move(key), std::move(value)});
}

void Dictionary::removeObjectForKey(const Ref<Object>& key) {
    if (!key)
        return;
    const auto it = index_.find(key);
    if (it == index_.end())
        return;
    const std::size_t removed = it->second;
    index_.erase(it);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(removed));
    for (auto& [entryKey, position] : index_)
        if (position > removed)
            --position;
}

void Dictionary::removeAllObjects() {
    entries_.clear();
    index_.clear();
}

Ref<Array> Dictionary::allKeys() const {
    auto keys = Array::arrayWithCapacity(entries_.size());
    for (const Entry& entry : entries_)
        keys->addObject(entry.key);
    return keys;
}

Ref<Array> Dictionary::allValues() const {
    auto values = Array::arrayWithCapacity(entries_.size());
    for (const Entry& entry : entries_)
        values->addObject(entry.value);
    return values;
}

Ref<String> Dictionary::description() const {
    return String::create(detail::propertyListText(*this, 0));
}

bool Dictionary::isEqual(const Object& other) const {
    const auto* dictionary = dynamic_cast<const Dictionary*>(&other);
    if (!dictionary || dictionary->count() != count())
        return false;
    for (const Entry& entry : entries_)
        if (!platform::isEqual(entry.value, dictionary->objectForKey(entry.key)))
            return false;
    return true;
}

std::size_t Dictionary::hash() const {
    return collectionHash(*this);
}

} // namespace platform
