#include "FoundationTesting.h"

#include "platform/foundation/MutableString.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdlib>
#include <string>
#include <vector>

namespace platform {
namespace {

using namespace foundation_testing;

// Each case is formatted where the table is built, since the arguments differ in type.
struct FormatCase {
    const char* name;
    Ref<String> formatted;
    std::string expected;
};

TEST(StringFormat, DirectivesGiveTheTextsOfTheCLibraryAndTheFramework) {
    const char unterminated[3] = {'x', 'y', 'z'};
    const auto number = Number::numberWithInteger(7);
    const String local(u"local");
    const FormatCase cases[] = {
        {"int", String::stringWithFormat("%d", -12), "-12"},
        {"long", String::stringWithFormat("%ld", LONG_MAX), "9223372036854775807"},
        {"unsigned long", String::stringWithFormat("%lu", ULONG_MAX), "18446744073709551615"},
        {"char width", String::stringWithFormat("%hhd|%hd", 257, 65537), "1|1"},
        {"hex", String::stringWithFormat("%x %08X", 255u, 0xBEEFu), "ff 0000BEEF"},
        {"star width", String::stringWithFormat("%*d|%*d|", 4, 7, -4, 7), "   7|7   |"},
        {"star precision", String::stringWithFormat("%.*lf", 10, 0.25), "0.2500000000"},
        {"exponent", String::stringWithFormat("%e", 12345.678), "1.234568e+04"},
        {"char", String::stringWithFormat("%c%c", 'A', 0xE9), "Aé"},
        {"unichar", String::stringWithFormat("%C", 0x263A), "☺"},
        {"null string", String::stringWithFormat("%s", static_cast<const char*>(nullptr)),
         "(null)"},
        {"padded string", String::stringWithFormat("%5s|%-4s|", "ab", "é"), "   ab|é   |"},
        {"unterminated bytes", String::stringWithFormat("%.*s", 3, unterminated), "xyz"},
        {"bytes stop at zero", String::stringWithFormat("%.*s", 5, "ab\0cd"), "ab"},
        {"object", String::stringWithFormat("%@ and %@", str("text").get(), number.get()),
         "text and 7"},
        {"object not owned by a Ref", String::stringWithFormat("%@", &local), "local"},
        {"null object", String::stringWithFormat("%@", static_cast<const Object*>(nullptr)),
         "(null)"},
        {"unknown directive", String::stringWithFormat("%k%d", 5), "%k5"},
        {"unknown length", String::stringWithFormat("%ls%d", 5), "%ls5"},
        {"cut short width", String::stringWithFormat("abc%5"), "abc%5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.formatted->utf8(), c.expected) << c.name;
}

TEST(StringFormat, NumbersIgnoreTheProcessLocale) {
    // The build compiles a locale with a decimal comma for this test; the machine's own
    // locales are still searched after it.
    const std::string previous = setlocale(LC_NUMERIC, nullptr);
    setenv("LOCPATH", PONDARO_LOCALE_DIR, 1);
    const bool commaLocale = setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
    unsetenv("LOCPATH");
    ASSERT_TRUE(commaLocale) << "no de_DE.UTF-8 locale in " << PONDARO_LOCALE_DIR;
    const std::string decimalPoint = localeconv()->decimal_point;
    const auto text = String::stringWithFormat("%.2f %.*lf", 1.5, 3, 0.25);
    setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_EQ(decimalPoint, ",");
    EXPECT_EQ(text->utf8(), "1.50 0.250");
}

TEST(StringBasics, LengthCountsUtf16CodeUnits) {
    const auto s = str("a😀é");
    EXPECT_EQ(s->length(), 4u);
    EXPECT_EQ(s->utf8(), "a😀é");
    EXPECT_EQ(s->characterAtIndex(0), u'a');
    EXPECT_EQ(s->characterAtIndex(1), 0xD83D);
    EXPECT_EQ(s->characterAtIndex(4), u'\0');
}

TEST(StringCompare, OrdersByCodeUnitsOrIgnoringCase) {
    struct Case {
        const char* a;
        const char* b;
        ComparisonResult literal;
        ComparisonResult ignoringCase;
    };
    using R = ComparisonResult;
    const Case cases[] = {
        {"a", "b", R::Ascending, R::Ascending},    {"b", "a", R::Descending, R::Descending},
        {"same", "same", R::Same, R::Same},        {"A", "a", R::Ascending, R::Same},
        {"ab", "abc", R::Ascending, R::Ascending}, {"apple", "Banana", R::Descending, R::Ascending},
        {"ÉLAN", "élan", R::Ascending, R::Same},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(str(c.a)->compare(*str(c.b)), c.literal) << c.a << " vs " << c.b;
        EXPECT_EQ(str(c.a)->caseInsensitiveCompare(*str(c.b)), c.ignoringCase)
            << c.a << " vs " << c.b;
    }
    EXPECT_EQ(str("x")->localizedCompare(*str("x")), R::Same);
    EXPECT_EQ(str("a")->localizedCompare(*str("b")), R::Ascending);
    EXPECT_EQ(str("b")->localizedCompare(*str("a")), R::Descending);
}

TEST(StringCase, UpperLowerAndCapitalizedForms) {
    struct Case {
        const char* text;
        const char* upper;
        const char* lower;
        const char* capitalized;
    };
    const Case cases[] = {
        {"hello wORLD", "HELLO WORLD", "hello world", "Hello World"},
        {"élan vital", "ÉLAN VITAL", "élan vital", "Élan Vital"},
        {"straße", "STRASSE", "straße", "Straße"},
        {"one\ttwo\nthree", "ONE\tTWO\nTHREE", "one\ttwo\nthree", "One\tTwo\nThree"},
        {"𐐨𐐨 x", "𐐀𐐀 X", "𐐨𐐨 x", "𐐀𐐨 X"},
        {"", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(str(c.text)->uppercaseString()->utf8(), c.upper) << c.text;
        EXPECT_EQ(str(c.text)->lowercaseString()->utf8(), c.lower) << c.text;
        EXPECT_EQ(str(c.text)->capitalizedString()->utf8(), c.capitalized) << c.text;
    }
}

TEST(StringPieces, SubstringIsClippedToTheString) {
    struct Case {
        std::int64_t location;
        std::int64_t length;
        const char* expected;
    };
    const Case cases[] = {
        {1, 3, "bcd"},      {6, 1, ""},
        {10, 2, ""},        {-2, 3, "a"},
        {2, -1, ""},        {0, INT64_MAX, "abcdef"},
        {INT64_MAX, 1, ""}, {-1, INT64_MAX, "abcdef"},
    };
    const auto text = str("abcdef");
    for (const auto& c : cases)
        EXPECT_EQ(text->substringWithRange({c.location, c.length})->utf8(), c.expected)
            << c.location << ", " << c.length;
}

TEST(StringPieces, PrefixSuffixAndComponents) {
    EXPECT_TRUE(str("Pondaro.app")->hasPrefix(*str("Pond")));
    EXPECT_TRUE(str("Pondaro.app")->hasSuffix(*str(".app")));
    EXPECT_FALSE(str("app")->hasSuffix(*str(".app")));
    EXPECT_TRUE(str("x")->hasPrefix(*str("")));

    struct Case {
        const char* text;
        const char* separator;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"Quit;Play Again", ";", {"Quit", "Play Again"}},
        {"a;;b;", ";", {"a", "", "b", ""}},
        {"a::b", "::", {"a", "b"}},
        {"abc", "", {"abc"}},
        {"", ";", {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(texts(*str(c.text)->componentsSeparatedByString(*str(c.separator))), c.pieces)
            << c.text;
}

TEST(StringPaths, LastComponentAndExtension) {
    struct Case {
        const char* path;
        const char* lastComponent;
        const char* extension;
    };
    const Case cases[] = {
        {"/tmp/scratch.tiff", "scratch.tiff", "tiff"},
        {"/tmp/", "tmp", ""},
        {"scratch///", "scratch", ""},
        {"/", "/", ""},
        {"/home/ann/.profile", ".profile", ""},
        {"name.", "name.", ""},
        {"/a.d/file", "file", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(str(c.path)->lastPathComponent()->utf8(), c.lastComponent) << c.path;
        EXPECT_EQ(str(c.path)->pathExtension()->utf8(), c.extension) << c.path;
    }
}

TEST(StringPaths, AppendingAComponentPutsOneSlashBetween) {
    struct Case {
        const char* path;
        const char* component;
        const char* expected;
    };
    const Case cases[] = {
        {"/tmp", "a.txt", "/tmp/a.txt"},
        {"/tmp", "/a", "/tmp/a"},
        {"/", "a", "/a"},
        {"/tmp", "", "/tmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(str(c.path)->stringByAppendingPathComponent(*str(c.component))->utf8(),
                  c.expected)
            << c.path << " + " << c.component;
}

TEST(MutableStringEditing, AppendSetAndDelete) {
    const auto s = MutableString::create();
    s->appendString(*str("Ann"));
    s->appendFormat(" got%@ card%s", str(" 2").get(), "s");
    EXPECT_EQ(s->utf8(), "Ann got 2 cards");
    s->appendString(*s);
    EXPECT_EQ(s->utf8(), "Ann got 2 cardsAnn got 2 cards");
    s->setString(*str("abcdef"));
    s->deleteCharactersInRange({1, 2});
    EXPECT_EQ(s->utf8(), "adef");
    s->deleteCharactersInRange({3, 10});
    EXPECT_EQ(s->utf8(), "ade");
    s->deleteCharactersInRange({5, 1});
    EXPECT_EQ(s->utf8(), "ade");
    // Equal to an immutable string of the same text; its description is a snapshot.
    const auto before = s->description();
    EXPECT_TRUE(s->isEqual(*str("ade")));
    EXPECT_TRUE(str("ade")->isEqual(*s));
    EXPECT_EQ(s->hash(), str("ade")->hash());
    s->appendString(*str("!"));
    EXPECT_EQ(before->utf8(), "ade");
}

} // namespace
} // namespace platform
