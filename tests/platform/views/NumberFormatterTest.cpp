// The plain number formatter: which texts read as numbers, of which kind, and which do not.

#include "platform/views/NumberFormatter.h"
#include "platform/foundation/Number.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

TEST(NumberFormatterReading, ReadsPlainDecimalsOnly) {
    struct Case {
        const char* text;
        const char* read; // the number's description, or "" for none
        bool integer;
    };
    const Case cases[] = {
        {"12", "12", true},
        {" -7 ", "-7", true},
        {"+3", "3", true},
        {"3.5", "3.5", false},
        {"-.25", "-0.25", false},
        {"4.", "4", false},
        {"99999999999999999999", "1e+20", false},
        {"", "", false},
        {"  ", "", false},
        {"-", "", false},
        {".", "", false},
        {"1.2.3", "", false},
        {"1e3", "", false},
        {"inf", "", false},
        {"nan", "", false},
        {"12abc", "", false},
        {"--1", "", false},
        {"+-1", "", false},
        {"1,5", "", false},
    };
    NumberFormatter formatter;
    for (const Case& c : cases) {
        const Ref<Number> number = formatter.numberFromString(String::fromUtf8(c.text));
        EXPECT_EQ(number ? number->description()->utf8() : "", c.read) << '"' << c.text << '"';
        EXPECT_EQ(number && number->isInteger(), c.integer) << c.text;
        Ref<Object> object;
        EXPECT_EQ(formatter.getObjectValueForStringErrorDescription(
                      &object, String::fromUtf8(c.text), nullptr),
                  number != nullptr)
            << c.text;
    }
}

} // namespace
