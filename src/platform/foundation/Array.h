#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/String.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

namespace platform {

// An ordered, mutable list of objects, shared by reference. It holds no absent entries (an
// absent object is not added; Null stands for "nothing"). An index past the end reads as none
// and makes a change do nothing.
class Array : public Object {
public:
    using Comparator = std::function<ComparisonResult(const Ref<Object>&, const Ref<Object>&)>;
    using const_iterator = std::vector<Ref<Object>>::const_iterator;

    Array() = default;
    static Ref<Array> array();
    static Ref<Array> arrayWithCapacity(std::size_t capacity);
    static Ref<Array> arrayWithObjects(std::initializer_list<Ref<Object>> objects);
    // A new array holding the same objects (the objects themselves are shared).
    static Ref<Array> arrayWithArray(const Array& other);

    std::size_t count() const { return objects_.size(); }
    Ref<Object> objectAtIndex(std::size_t index) const;
    Ref<Object> firstObject() const;
    Ref<Object> lastObject() const;
    // The first index whose object isEqual to object, or NotFound.
    std::int64_t indexOfObject(const Ref<Object>& object) const;
    bool containsObject(const Ref<Object>& object) const;

    void addObject(Ref<Object> object);
    // index may be count() (the end); past that nothing happens.
    void insertObjectAtIndex(Ref<Object> object, std::size_t index);
    void removeObjectAtIndex(std::size_t index);
    void removeLastObject();
    void removeAllObjects();
    void replaceObjectAtIndexWithObject(std::size_t index, Ref<Object> object);

    // Stable sorts: objects the comparator finds the same keep their order. A comparator that
    // is not a consistent order still gives some permutation of the objects.
    void sortUsingComparator(const Comparator& comparator);
    Ref<Array> sortedArrayUsingComparator(const Comparator& comparator) const;

    // Iteration must not change the array.
    const_iterator begin() const { return objects_.begin(); }
    const_iterator end() const { return objects_.end(); }

    // Property-list style: "(\n    a,\n    b\n)", nested collections indented four more blanks
    // per level, "()" when empty.
    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    // By content; see CollectionHash.h.
    std::size_t hash() const override;

private:
    std::vector<Ref<Object>> objects_;
};

} // namespace platform
