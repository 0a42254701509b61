#pragma once

#include "platform/foundation/Object.h"

#include <unordered_map>
#include <vector>

namespace platform {

class Array;

// A mutable map from key objects to value objects, shared by reference, that remembers the
// order in which keys were first set. Keys are matched with isEqual and hash; a mutable string
// key is copied, so changing the string later cannot lose the entry.
class Dictionary : public Object {
public:
    struct Entry {
        Ref<Object> key;
        Ref<Object> value;
    };
    using const_iterator = std::vector<Entry>::const_iterator;

    Dictionary() = default;
    static Ref<Dictionary> dictionary();

    std::size_t count() const { return entries_.size(); }
    // The value under key, or none.
    Ref<Object> objectForKey(const Ref<Object>& key) const;
    // Replaces the value of a key already present in its place; a new key goes last. An absent
    // value removes the key; an absent key does nothing.
    void setObjectForKey(Ref<Object> value, Ref<Object> key);
    void removeObjectForKey(const Ref<Object>& key);
    void removeAllObjects();
    // Keys and values in order, as new arrays.
    Ref<Array> allKeys() const;
    Ref<Array> allValues() const;

    // Iteration in order; it must not change the dictionary.
    const_iterator begin() const { return entries_.begin(); }
    const_iterator end() const { return entries_.end(); }

    // Property-list style: "{\n    key = value;\n}", nested collections indented four more
    // blanks per level, "{\n}" when empty.
    Ref<String> description() const override;
    // Equal when both hold equal values under equal keys, in any order.
    bool isEqual(const Object& other) const override;
    // By content; see CollectionHash.h.
    std::size_t hash() const override;

private:
    struct KeyHash {
        std::size_t operator()(const Ref<Object>& key) const;
    };
    struct KeyEqual {
        bool operator()(const Ref<Object>& a, const Ref<Object>& b) const { return a->isEqual(*b); }
    };

    std::vector<Entry> entries_;
    std::unordered_map<Ref<Object>, std::size_t, KeyHash, KeyEqual> index_; // key → entry
};

} // namespace platform
