#include "platform/foundation/Array.h"

#include "platform/detail/PropertyListText.h"
#include "platform/foundation/CollectionHash.h"

#include <algorithm>

namespace platform {

Ref<Array> Array::array() {
    return std::make_shared<Array>();
}

Ref<Array> Array::arrayWithCapacity(std::size_t capacity) {
    auto result = array();
    result->objects_.reserve(capacity);
    return result;
}

Ref<Array> Array::arrayWithObjects(std::initializer_list<Ref<Object>> objects) {
    auto result = arrayWithCapacity(objects.size());
    for (const auto& object : objects)
        result->addObject(object);
    return result;
}

Ref<Array> Array::arrayWithArray(const Array& other) {
    auto result = array();
    result->objects_ = other.objects_;
    return result;
}

Ref<Object> Array::objectAtIndex(std::size_t index) const {
    return index < objects_.size() ? objects_[index] : nullptr;
}

Ref<Object> Array::firstObject() const {
    return objects_.empty() ? nullptr : objects_.front();
}

Ref<Object> Array::lastObject() const {
    return objects_.empty() ? nullptr : objects_.back();
}

std::int64_t Array::indexOfObject(const Ref<Object>& object) const {
    const auto it =
        std::find_if(objects_.begin(), objects_.end(), [&](const Ref<Object>& candidate) {
            return platform::isEqual(candidate, object);
        });
    return it == objects_.end() ? NotFound : it - objects_.begin();
}

bool Array::containsObject(const Ref<Object>& object) const {
    return indexOfObject(object) != NotFound;
}

void Array::addObject(Ref<Object> object) {
    if (object)
        objects_.push_back(std::move(object));
}

void Array::insertObjectAtIndex(Ref<Object> object, std::size_t index) {
    if (object && index <= objects_.size())
        objects_.insert(objects_.begin() + static_cast<std::ptrdiff_t>(index), std::move(object));
}

void Array::removeObjectAtIndex(std::size_t index) {
    if (index < objects_.size())
        objects_.erase(objects_.begin() + static_cast<std::ptrdiff_t>(index));
}

void Array::removeLastObject() {
    if (!objects_.empty())
        objects_.pop_back();
}

void Array::removeAllObjects() {
    objects_.clear();
}

void Array::replaceObjectAtIndexWithObject(std::size_t index, Ref<Object> object) {
    if (object && index < objects_.size())
        objects_[index] = std::move(object);
}

void Array::sortUsingComparator(const Comparator& comparator) {
    if (!comparator)
        return;
    // A bottom-up merge sort: std::merge keeps equal elements in order and, unlike the
    // library's sorts, stays inside its ranges whatever the comparator answers. The elements
    // are moved out first, so a comparator that changes this array cannot disturb the sort.
    std::vector<Ref<Object>> items = std::move(objects_);
    std::vector<Ref<Object>> merged(items.size());
    const auto less = [&](const Ref<Object>& a, const Ref<Object>& b) {
        return comparator(a, b) == ComparisonResult::Ascending;
    };
    for (std::size_t width = 1; width < items.size(); width *= 2) {
        for (std::size_t begin = 0; begin < items.size(); begin += 2 * width) {
            const std::size_t middle = std::min(begin + width, items.size());
            const std::size_t end = std::min(begin + 2 * width, items.size());
            const auto at = [&](std::size_t i) {
                return items.begin() + static_cast<std::ptrdiff_t>(i);
            };
            std::merge(std::make_move_iterator(at(begin)), std::make_move_iterator(at(middle)),
                       std::make_move_iterator(at(middle)), std::make_move_iterator(at(end)),
                       merged.begin() + static_cast<std::ptrdiff_t>(begin), less);
        }
        items.swap(merged);
    }
    objects_ = std::move(items);
}

Ref<Array> Array::sortedArrayUsingComparator(const Comparator& comparator) const {
    auto result = arrayWithArray(*this);
    result->sortUsingComparator(comparator);
    return result;
}

Ref<String> Array::description() const {
    return String::create(detail::propertyListText(*this, 0));
}

bool Array::isEqual(const Object& other) const {
    const auto* array = dynamic_cast<const Array*>(&other);
    return array &&
           std::equal(
               objects_.begin(), objects_.end(), array->objects_.begin(), array->objects_.end(),
               [](const Ref<Object>& a, const Ref<Object>& b) { return platform::isEqual(a, b); });
}

std::size_t Array::hash() const {
    return collectionHash(*this);
}

} // namespace platform
