#include "platform/foundation/SortDescriptor.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Comparison.h"
#include "platform/foundation/Dictionary.h"

namespace platform {

SortDescriptor::SortDescriptor(std::string key, bool ascending, std::string selector)
    : key_(std::move(key)), ascending_(ascending), selector_(std::move(selector)) {}

Ref<SortDescriptor> SortDescriptor::sortDescriptorWithKeyAscending(std::string key,
                                                                   bool ascending) {
    return std::make_shared<SortDescriptor>(std::move(key), ascending);
}

Ref<SortDescriptor> SortDescriptor::reversedSortDescriptor() const {
    return std::make_shared<SortDescriptor>(key_, !ascending_, selector_);
}

Ref<Object> SortDescriptor::valueOf(const Object& object) const {
    if (key_.empty())
        return std::const_pointer_cast<Object>(object.shared_from_this());
    if (const auto* dictionary = dynamic_cast<const Dictionary*>(&object))
        return dictionary->objectForKey(String::fromUtf8(key_));
    return object.valueForKey(key_);
}

ComparisonResult SortDescriptor::compareObjectToObject(const Object& a, const Object& b) const {
    const auto selector = comparisonSelectorNamed(selector_);
    const Ref<Object> left = valueOf(a);
    const Ref<Object> right = valueOf(b);
    if (!selector || !left || !right)
        return ComparisonResult::Same;
    const auto result = compareBySelector(*left, *right, *selector);
    if (!result)
        return ComparisonResult::Same;
    return ascending_ ? *result : static_cast<ComparisonResult>(-static_cast<int>(*result));
}

void SortDescriptor::sortArrayUsingDescriptors(Array& array, const Ref<Array>& descriptors) {
    if (!descriptors)
        return;
    array.sortUsingComparator([&](const Ref<Object>& a, const Ref<Object>& b) {
        for (const auto& each : *descriptors) {
            const auto* descriptor = dynamic_cast<const SortDescriptor*>(each.get());
            const ComparisonResult result =
                descriptor ? descriptor->compareObjectToObject(*a, *b) : ComparisonResult::Same;
            if (result != ComparisonResult::Same)
                return result;
        }
        return ComparisonResult::Same;
    });
}

Ref<String> SortDescriptor::description() const {
    return String::fromUtf8("(" + key_ + ", " + (ascending_ ? "ascending" : "descending") + ", " +
                            selector_ + ")");
}

bool SortDescriptor::isEqual(const Object& other) const {
    const auto* descriptor = dynamic_cast<const SortDescriptor*>(&other);
    return descriptor && descriptor->key_ == key_ && descriptor->ascending_ == ascending_ &&
           descriptor->selector_ == selector_;
}

} // namespace platform
