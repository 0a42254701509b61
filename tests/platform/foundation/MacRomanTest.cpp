#include "platform/foundation/MacRoman.h"
#include "platform/foundation/String.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace platform {
namespace {

using Bytes = std::vector<std::uint8_t>;

Ref<String> fromPascal(const Bytes& text) {
    std::array<std::uint8_t, 256> pascal{};
    pascal[0] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), pascal.begin() + 1);
    return StringCreateWithPascalString(pascal.data());
}

struct Conversion {
    bool ok;
    Bytes text;
};

Conversion toPascal(const std::u16string& units, PascalConversion mode,
                    std::size_t bufferSize = 256) {
    std::vector<std::uint8_t> buffer(bufferSize, 0xEE);
    const bool ok = StringGetPascalString(String(units), buffer.data(), bufferSize, mode);
    return {ok, Bytes(buffer.begin() + 1, buffer.begin() + 1 + buffer[0])};
}

Bytes repeated(std::size_t count, std::uint8_t byte) {
    return Bytes(count, byte);
}

TEST(MacRomanBytes, EveryByteRoundTripsThroughItsOwnCharacter) {
    std::set<char16_t> characters;
    for (int byte = 0; byte < 256; ++byte) {
        const Bytes text{static_cast<std::uint8_t>(byte)};
        const auto string = fromPascal(text);
        ASSERT_EQ(string->length(), 1u) << byte;
        characters.insert(string->characterAtIndex(0));
        const auto back = toPascal(string->utf16(), PascalConversion::Strict);
        EXPECT_TRUE(back.ok) << byte;
        EXPECT_EQ(back.text, text) << byte;
    }
    EXPECT_EQ(characters.size(), 256u);
    EXPECT_TRUE(StringCreateWithPascalString(nullptr)->isEmpty());
}

TEST(MacRomanBytes, UpperHalfFollowsTheStandardMapping) {
    struct Case {
        std::uint8_t byte;
        char16_t character;
    };
    const Case cases[] = {
        {0x41, u'A'},   {0x7F, 0x7F},   {0x80, u'Ä'},   {0x8E, u'é'}, {0xA5, u'•'},
        {0xAA, u'™'},   {0xB9, u'π'},   {0xCA, 0x00A0}, {0xD5, u'’'}, {0xDB, u'€'},
        {0xDE, 0xFB01}, {0xF0, 0xF8FF}, {0xF5, u'ı'},   {0xFF, u'ˇ'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fromPascal({c.byte})->characterAtIndex(0), c.character) << int(c.byte);
}

TEST(MacRomanConversion, StrictFailsAndLossyReplacesOrCuts) {
    struct Case {
        const char* name;
        std::u16string text;
        std::size_t bufferSize;
        Conversion strict;
        Conversion lossy;
    };
    const Bytes x255 = repeated(255, 'x');
    Bytes x254e = repeated(254, 'x');
    x254e.push_back(0x8E);
    const Case cases[] = {
        {"character outside",
         u"na\u00EFve \u2603",
         256,
         {false, {}},
         {true, {'n', 'a', 0x95, 'v', 'e', ' ', '?'}}},
        {"surrogate pair is one character",
         u"a\U0001F600b",
         256,
         {false, {}},
         {true, {'a', '?', 'b'}}},
        {"lone surrogate",
         u"a\xD800"
         u"b",
         256,
         {false, {}},
         {true, {'a', '?', 'b'}}},
        {"decomposed accent is composed",
         u"e\u0301t\u00E9",
         256,
         {true, {0x8E, 't', 0x8E}},
         {true, {0x8E, 't', 0x8E}}},
        {"jamo compose into one syllable",
         u"\u1100\u1161\u11A8x",
         256,
         {false, {}},
         {true, {'?', 'x'}}},
        {"ohm sign becomes omega", u"\u2126", 256, {true, {0xBD}}, {true, {0xBD}}},
        {"the first character past ASCII", u"\u0080", 256, {false, {}}, {true, {'?'}}},
        {"exactly 255 bytes", std::u16string(255, u'x'), 256, {true, x255}, {true, x255}},
        {"256 bytes", std::u16string(256, u'x'), 256, {false, {}}, {true, x255}},
        {"255 after composition",
         std::u16string(254, u'x') + u"e\u0301",
         256,
         {true, x254e},
         {true, x254e}},
        {"limit of a small buffer", u"abcd", 4, {false, {}}, {true, {'a', 'b', 'c'}}},
        {"length byte only", u"a", 1, {false, {}}, {true, {}}},
        {"empty", u"", 1, {true, {}}, {true, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto strict = toPascal(c.text, PascalConversion::Strict, c.bufferSize);
        EXPECT_EQ(strict.ok, c.strict.ok);
        EXPECT_EQ(strict.text, c.strict.text);
        const auto lossy = toPascal(c.text, PascalConversion::Lossy, c.bufferSize);
        EXPECT_EQ(lossy.ok, c.lossy.ok);
        EXPECT_EQ(lossy.text, c.lossy.text);
    }
}

TEST(MacRomanConversion, NoRoomForTheLengthByteWritesNothing) {
    std::uint8_t byte = 0xEE;
    EXPECT_FALSE(StringGetPascalString(String(u"a"), &byte, 0, PascalConversion::Lossy));
    EXPECT_EQ(byte, 0xEE);
    EXPECT_FALSE(StringGetPascalString(String(u"a"), nullptr, 256, PascalConversion::Lossy));
}

} // namespace
} // namespace platform
