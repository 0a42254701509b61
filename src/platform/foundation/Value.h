#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <variant>

namespace platform {

// A box for one geometry value or a raw pointer, so that it can be stored as an object (in a
// collection or an attached property). Reading a value of another kind gives the zero value.
class Value : public Object {
public:
    enum class Kind { Point, Size, Rect, Range, Pointer };

    static Ref<Value> valueWithPoint(Point point);
    static Ref<Value> valueWithSize(Size size);
    static Ref<Value> valueWithRect(Rect rect);
    static Ref<Value> valueWithRange(Range range);
    // The pointer is stored, never followed or freed.
    static Ref<Value> valueWithPointer(const void* pointer);

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    Point pointValue() const;
    Size sizeValue() const;
    Rect rectValue() const;
    Range rangeValue() const;
    void* pointerValue() const;

    // "{1, 2}" for a point, size or range, "{{1, 2}, {3, 4}}" for a rectangle, "<0x1f00>" for a
    // pointer.
    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

private:
    // The alternatives are in the order of Kind.
    using Storage = std::variant<Point, Size, Rect, Range, const void*>;
    explicit Value(Storage value);

    Storage value_;
};

} // namespace platform
