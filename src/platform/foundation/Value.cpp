#include "platform/foundation/Value.h"

#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"

#include <cinttypes>
#include <cstdio>
#include <functional>

namespace platform {

namespace {

std::string pair(double a, double b) {
    return "{" + shortestDecimal(a) + ", " + shortestDecimal(b) + "}";
}

std::size_t combine(std::size_t seed, std::size_t value) {
    return seed ^ (value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2));
}

template <class T, class Variant>
T alternative(const Variant& value) {
    const T* stored = std::get_if<T>(&value);
    return stored ? *stored : T{};
}

} // namespace

Value::Value(Storage value) : value_(value) {}

Ref<Value> Value::valueWithPoint(Point point) {
    return Ref<Value>(new Value(point));
}
Ref<Value> Value::valueWithSize(Size size) {
    return Ref<Value>(new Value(size));
}
Ref<Value> Value::valueWithRect(Rect rect) {
    return Ref<Value>(new Value(rect));
}
Ref<Value> Value::valueWithRange(Range range) {
    return Ref<Value>(new Value(range));
}
Ref<Value> Value::valueWithPointer(const void* pointer) {
    return Ref<Value>(new Value(pointer));
}

Point Value::pointValue() const {
    return alternative<Point>(value_);
}
Size Value::sizeValue() const {
    return alternative<Size>(value_);
}
Rect Value::rectValue() const {
    return alternative<Rect>(value_);
}
Range Value::rangeValue() const {
    return alternative<Range>(value_);
}

void* Value::pointerValue() const {
    // The box hands back what it was given; constness is the caller's business, as with the
    // framework's untyped pointers.
    return const_cast<void*>(alternative<const void*>(value_));
}

Ref<String> Value::description() const {
    switch (kind()) {
    case Kind::Point: {
        const Point p = pointValue();
        return String::fromUtf8(pair(p.x, p.y));
    }
    case Kind::Size: {
        const Size s = sizeValue();
        return String::fromUtf8(pair(s.width, s.height));
    }
    case Kind::Rect: {
        const Rect r = rectValue();
        return String::fromUtf8("{" + pair(r.origin.x, r.origin.y) + ", " +
                                pair(r.size.width, r.size.height) + "}");
    }
    case Kind::Range: {
        const Range r = rangeValue();
        return String::fromUtf8("{" + std::to_string(r.location) + ", " + std::to_string(r.length) +
                                "}");
    }
    case Kind::Pointer:
        break;
    }
    char text[32];
    std::snprintf(text, sizeof text, "<0x%" PRIxPTR ">",
                  reinterpret_cast<std::uintptr_t>(pointerValue()));
    return String::fromUtf8(text);
}

bool Value::isEqual(const Object& other) const {
    const auto* value = dynamic_cast<const Value*>(&other);
    return value && value->value_ == value_;
}

std::size_t Value::hash() const {
    const std::hash<double> h;
    std::size_t seed = value_.index();
    switch (kind()) {
    case Kind::Point:
        return combine(combine(seed, h(pointValue().x)), h(pointValue().y));
    case Kind::Size:
        return combine(combine(seed, h(sizeValue().width)), h(sizeValue().height));
    case Kind::Rect: {
        const Rect r = rectValue();
        for (const double d : {r.origin.x, r.origin.y, r.size.width, r.size.height})
            seed = combine(seed, h(d));
        return seed;
    }
    case Kind::Range:
        return combine(combine(seed, std::hash<std::int64_t>{}(rangeValue().location)),
                       std::hash<std::int64_t>{}(rangeValue().length));
    case Kind::Pointer:
        break;
    }
    return combine(seed, std::hash<const void*>{}(pointerValue()));
}

} // namespace platform
