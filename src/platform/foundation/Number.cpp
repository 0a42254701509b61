#include "platform/foundation/Number.h"

#include <charconv>
#include <cmath>
#include <functional>

namespace platform {

namespace {

constexpr double twoTo63 = 9223372036854775808.0;

ComparisonResult compareIntegers(std::int64_t a, std::int64_t b) {
    if (a < b)
        return ComparisonResult::Ascending;
    return a > b ? ComparisonResult::Descending : ComparisonResult::Same;
}

ComparisonResult reverse(ComparisonResult result) {
    return static_cast<ComparisonResult>(-static_cast<int>(result));
}

ComparisonResult compareDoubles(double a, double b) {
    if (std::isnan(a) || std::isnan(b))
        return std::isnan(a) == std::isnan(b)
                   ? ComparisonResult::Same
                   : (std::isnan(a) ? ComparisonResult::Ascending : ComparisonResult::Descending);
    if (a < b)
        return ComparisonResult::Ascending;
    return a > b ? ComparisonResult::Descending : ComparisonResult::Same;
}

// Compares an integer with a double without rounding the integer to a double, which would make
// 2^53 + 1 equal to 2^53.
ComparisonResult compareMixed(std::int64_t integer, double real) {
    if (std::isnan(real))
        return ComparisonResult::Descending;
    if (real >= twoTo63)
        return ComparisonResult::Ascending;
    if (real < -twoTo63)
        return ComparisonResult::Descending;
    const double whole = std::trunc(real);
    const ComparisonResult byWhole = compareIntegers(integer, static_cast<std::int64_t>(whole));
    if (byWhole != ComparisonResult::Same)
        return byWhole;
    return compareDoubles(whole, real);
}

bool fitsInteger(double value) {
    return value >= -twoTo63 && value < twoTo63;
}

} // namespace

std::string shortestDecimal(double value) {
    if (std::isnan(value))
        return "nan";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

Number::Number(Kind kind, std::int64_t integer, double real)
    : kind_(kind), integer_(integer), real_(real) {}

Ref<Number> Number::numberWithInteger(std::int64_t value) {
    return Ref<Number>(new Number(Kind::Integer, value, 0.0));
}

Ref<Number> Number::numberWithDouble(double value) {
    return Ref<Number>(new Number(Kind::Double, 0, value));
}

Ref<Number> Number::numberWithBool(bool value) {
    return Ref<Number>(new Number(Kind::Bool, value ? 1 : 0, 0.0));
}

std::int64_t Number::longValue() const {
    if (kind_ != Kind::Double)
        return integer_;
    if (std::isnan(real_))
        return 0;
    if (real_ >= twoTo63)
        return INT64_MAX;
    if (real_ < -twoTo63)
        return INT64_MIN;
    return static_cast<std::int64_t>(real_);
}

double Number::doubleValue() const {
    return kind_ == Kind::Double ? real_ : static_cast<double>(integer_);
}

bool Number::boolValue() const {
    return kind_ == Kind::Double ? real_ != 0.0 : integer_ != 0;
}

ComparisonResult Number::compare(const Number& other) const {
    const bool real = kind_ == Kind::Double;
    const bool otherReal = other.kind_ == Kind::Double;
    if (real && otherReal)
        return compareDoubles(real_, other.real_);
    if (real)
        return reverse(compareMixed(other.integer_, real_));
    if (otherReal)
        return compareMixed(integer_, other.real_);
    return compareIntegers(integer_, other.integer_);
}

Ref<String> Number::description() const {
    if (kind_ == Kind::Double)
        return String::fromUtf8(shortestDecimal(real_));
    return String::fromUtf8(std::to_string(integer_));
}

bool Number::isEqual(const Object& other) const {
    const auto* number = dynamic_cast<const Number*>(&other);
    return number && compare(*number) == ComparisonResult::Same;
}

std::size_t Number::hash() const {
    // Whole doubles hash as the integer they equal, so that equal numbers hash alike.
    if (kind_ != Kind::Double)
        return std::hash<std::int64_t>{}(integer_);
    if (std::isnan(real_))
        return 0x7ff8;
    if (std::trunc(real_) == real_ && fitsInteger(real_))
        return std::hash<std::int64_t>{}(static_cast<std::int64_t>(real_));
    return std::hash<double>{}(real_);
}

} // namespace platform
