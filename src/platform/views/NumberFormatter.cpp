#include "platform/views/NumberFormatter.h"

#include "platform/foundation/Number.h"

#include <cctype>
#include <charconv>
#include <string>

namespace platform {

Ref<Number> NumberFormatter::numberFromUtf8(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || negative))
        text.remove_prefix(1);
    const std::string_view body = text;
    // Only digits and at most one point, with at least one digit: the parsers below would also
    // take exponents, "inf" and "nan".
    if (body.find_first_not_of("0123456789.") != std::string_view::npos ||
        body.find_first_of("0123456789") == std::string_view::npos ||
        body.find('.') != body.rfind('.'))
        return nullptr;
    const std::string digits = (negative ? "-" : "") + std::string(body);
    const char* first = digits.data();
    const char* last = first + digits.size();
    if (body.find('.') == std::string_view::npos) {
        std::int64_t whole = 0;
        if (const auto [end, error] = std::from_chars(first, last, whole);
            error == std::errc() && end == last)
            return Number::numberWithInteger(whole);
    }
    double real = 0;
    const auto [end, error] = std::from_chars(first, last, real, std::chars_format::fixed);
    if (error != std::errc() || end != last)
        return nullptr;
    return Number::numberWithDouble(real);
}

Ref<Number> NumberFormatter::numberFromString(const Ref<String>& string) const {
    return string ? numberFromUtf8(string->utf8()) : nullptr;
}

Ref<String> NumberFormatter::stringFromNumber(const Ref<Number>& number) const {
    return number ? number->description() : nullptr;
}

Ref<String> NumberFormatter::stringForObjectValue(const Ref<Object>& object) {
    return stringFromNumber(std::dynamic_pointer_cast<Number>(object));
}

bool NumberFormatter::getObjectValueForStringErrorDescription(Ref<Object>* object,
                                                              const Ref<String>& string,
                                                              Ref<String>* error) {
    Ref<Number> number = numberFromString(string);
    if (!number) {
        if (error)
            *error = String::fromUtf8("Invalid number");
        return false;
    }
    if (object)
        *object = std::move(number);
    return true;
}

} // namespace platform
