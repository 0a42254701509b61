#pragma once

// Numbers as text in the classic form: a blank in place of a plus sign, whole numbers without a
// decimal point, fractions with at most numberDigits digits and no trailing zeros.
// 5 gives " 5", -3 gives "-3", 2.05 gives " 2.05", -0.25 gives "-0.25", 7.0000001 gives " 7".

#include "platform/foundation/Object.h"
#include "runtime/core/PStr.h"

#include <cstdint>

namespace platform {
class String;
}

// The number of digits after the decimal point with which a fraction is first printed (10).
std::uint8_t& numberDigits();

platform::Ref<platform::String> NumberToNSString(double number);

// The same text in pstrResult. Does not allocate.
PStr& NumberToPStr(double number);
