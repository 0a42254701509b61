#include "runtime/core/NumberText.h"

#include "platform/foundation/String.h"
#include "runtime/core/TempPStrStack.h"

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace {

std::uint8_t digits = 10;

// Fractions smaller than the single-precision value of 1e-6 are dropped.
constexpr double SmallestFraction = static_cast<double>(1e-6f);
// Beyond this magnitude every double is whole, and its integer part may not fit 64 bits.
constexpr double LargestSplit = 9.0e18;

// Room for a sign, 19 integer digits, the point and 255 fraction digits.
using NumberBuffer = char[320];

std::size_t formatNumber(double number, NumberBuffer& text) {
    char* out = text;
    const std::size_t room = sizeof(NumberBuffer) - 1;
    double whole = 0;
    const double fraction = std::modf(number, &whole);
    if (!(std::fabs(number) < LargestSplit)) {
        // Huge, infinite or not a number: no fraction to print.
        std::snprintf(out + 1, room, "%.0f", whole);
    } else if (std::fabs(fraction) < SmallestFraction) {
        std::snprintf(out + 1, room, "%" PRId64, static_cast<std::int64_t>(whole));
    } else {
        NumberBuffer printed;
        std::snprintf(printed, sizeof printed, "%.*f", int{digits}, std::fabs(fraction));
        const char* point = std::strchr(printed, '.');
        std::size_t length = point ? std::strlen(point + 1) : 0;
        while (length > 0 && point[length] == '0')
            --length;
        auto integer = static_cast<std::int64_t>(whole);
        if (printed[0] == '1') {
            // The fraction rounded up to a whole one: the text is the rounded whole number.
            integer += number < 0 ? -1 : 1;
            length = 0;
        }
        if (length == 0)
            std::snprintf(out + 1, room, "%" PRId64, integer);
        else
            std::snprintf(out + 1, room, "%s%" PRId64 ".%.*s",
                          number < 0 && integer == 0 ? "-" : "", integer, static_cast<int>(length),
                          point + 1);
    }
    if (out[1] == '-')
        ++out;
    else
        out[0] = ' ';
    const std::size_t size = std::strlen(out);
    if (out != text)
        std::memmove(text, out, size + 1);
    return size;
}

} // namespace

std::uint8_t& numberDigits() {
    return digits;
}

platform::Ref<platform::String> NumberToNSString(double number) {
    NumberBuffer text;
    formatNumber(number, text);
    return platform::String::fromUtf8(text);
}

PStr& NumberToPStr(double number) {
    NumberBuffer text;
    const std::size_t size = formatNumber(number, text);
    PStr& result = pstrResult();
    const std::size_t length = size < PStrMaxLength ? size : PStrMaxLength;
    std::memcpy(result.data() + 1, text, length);
    result[0] = static_cast<std::uint8_t>(length);
    return result;
}
