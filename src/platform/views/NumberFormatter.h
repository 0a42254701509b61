#pragma once

#include "platform/views/Formatter.h"

#include <string>

namespace platform {

class Number;

// The plain number formatter an editable number cell reads its text with: a decimal number
// with an optional sign and fraction, written with a point, blanks round it allowed ("12",
// " -3.5 ", "+.25"). Whole numbers that fit read as integers, the rest as doubles; anything
// else (empty text, letters, exponents, a second point, infinity) is no number.
class NumberFormatter : public Formatter {
public:
    // None when the text is not a number.
    Ref<Number> numberFromString(const Ref<String>& string) const;
    // The number's own text: "12", "3.5". None for no number.
    Ref<String> stringFromNumber(const Ref<Number>& number) const;

    Ref<String> stringForObjectValue(const Ref<Object>& object) override;
    bool getObjectValueForStringErrorDescription(Ref<Object>* object, const Ref<String>& string,
                                                 Ref<String>* error) override;

    static Ref<Number> numberFromUtf8(std::string_view text);
};

} // namespace platform
