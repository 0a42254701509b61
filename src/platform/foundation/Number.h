#pragma once

#include "platform/foundation/String.h"

#include <cstdint>
#include <string>

namespace platform {

// The shortest decimal text that reads back as the same double: "2" for 2.0, "0.1", "3.5",
// "1e+30"; "nan", "inf" and "-inf" for the special values.
std::string shortestDecimal(double value);

// A boxed integer, double or boolean that remembers which of the three it was made from.
// Numbers of different kinds compare and test equal by value: 2, 2.0 and (for 1) true.
class Number : public Object {
public:
    enum class Kind { Integer, Double, Bool };

    static Ref<Number> numberWithInteger(std::int64_t value);
    static Ref<Number> numberWithDouble(double value);
    static Ref<Number> numberWithBool(bool value);

    Kind kind() const { return kind_; }
    bool isInteger() const { return kind_ == Kind::Integer; }
    bool isDouble() const { return kind_ == Kind::Double; }
    bool isBool() const { return kind_ == Kind::Bool; }

    // A double converts toward zero, saturating at the ends of the range; NaN gives 0.
    std::int64_t longValue() const;
    std::int64_t integerValue() const { return longValue(); }
    double doubleValue() const;
    bool boolValue() const;

    // Exact order by value across kinds. NaN equals NaN and orders before every other number,
    // so that sorting and hashing stay consistent.
    ComparisonResult compare(const Number& other) const;

    // Integers as their digits ("-12"), booleans as "1" or "0", doubles as shortestDecimal.
    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

private:
    Number(Kind kind, std::int64_t integer, double real);

    Kind kind_;
    std::int64_t integer_; // the value of an integer or a boolean
    double real_;          // the value of a double
};

} // namespace platform
