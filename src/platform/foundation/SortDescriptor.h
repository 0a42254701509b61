#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/String.h"

#include <string>

namespace platform {

class Array;

// How to order objects by one of their values: the value under the key (a dictionary's object
// for the key, else the object's valueForKey; the object itself for an empty key), compared
// with the comparison the selector names ("compare:" unless set), ascending or descending.
// Objects whose values cannot be compared that way count as the same, so a stable sort keeps
// their order.
class SortDescriptor : public Object {
public:
    SortDescriptor(std::string key, bool ascending, std::string selector = "compare:");
    static Ref<SortDescriptor> sortDescriptorWithKeyAscending(std::string key, bool ascending);

    const std::string& key() const { return key_; }
    bool ascending() const { return ascending_; }
    const std::string& selectorName() const { return selector_; }
    // The same key and selector, the other way round; a table's header click flips a column's
    // order with it.
    Ref<SortDescriptor> reversedSortDescriptor() const;

    ComparisonResult compareObjectToObject(const Object& a, const Object& b) const;
    // Sorts the array stably by the descriptors, the first deciding and each later one breaking
    // the ties of those before it.
    static void sortArrayUsingDescriptors(Array& array, const Ref<Array>& descriptors);

    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;

private:
    Ref<Object> valueOf(const Object& object) const;

    std::string key_;
    bool ascending_;
    std::string selector_;
};

} // namespace platform
