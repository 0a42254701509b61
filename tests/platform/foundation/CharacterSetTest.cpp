#include "platform/foundation/CharacterSet.h"
#include "platform/foundation/String.h"

#include <gtest/gtest.h>

#include <string>

using namespace platform;

namespace {

// The characters of probe that are members of the set, as UTF-16 units.
std::u16string members(const CharacterSet& set, const std::u16string& probe) {
    std::u16string in;
    for (const char16_t c : probe)
        if (set.characterIsMember(c))
            in += c;
    return in;
}

} // namespace

TEST(CharacterSet, FromAStringHoldsExactlyItsCharactersAndTheInvertedSetTheRest) {
    const std::u16string probe = u"abcABC xyz09\u00e9";
    struct Case {
        const char* characters;
        std::u16string in;
        std::u16string inInverted;
    };
    const Case cases[] = {
        {"abc", u"abc", u"ABC xyz09\u00e9"},
        {"aAbBcC", u"abcABC", u" xyz09\u00e9"},
        {"", u"", probe},
        {"\xc3\xa9 9", u" 9\u00e9", u"abcABCxyz0"},
    };
    for (const Case& c : cases) {
        const auto set =
            CharacterSet::characterSetWithCharactersInString(*String::fromUtf8(c.characters));
        EXPECT_EQ(members(*set, probe), c.in) << c.characters;
        EXPECT_EQ(members(*set->invertedSet(), probe), c.inInverted) << c.characters;
        EXPECT_EQ(members(*set->invertedSet()->invertedSet(), probe), c.in) << c.characters;
    }
}

TEST(CharacterSet, ASurrogatePairIsOneCharacter) {
    const auto set =
        CharacterSet::characterSetWithCharactersInString(*String::fromUtf8("\xf0\x9f\x82\xa1"));
    EXPECT_TRUE(set->longCharacterIsMember(U'\U0001F0A1'));
    EXPECT_FALSE(set->characterIsMember(u'\xd83c'));
    EXPECT_TRUE(set->invertedSet()->characterIsMember(u'\xd83c'));
}

TEST(CharacterSet, StandardSets) {
    const std::u16string probe = u"aZ5 \t\n.\u00c9\u0663";
    EXPECT_EQ(members(*CharacterSet::decimalDigitCharacterSet(), probe), u"5\u0663");
    EXPECT_EQ(members(*CharacterSet::letterCharacterSet(), probe), u"aZ\u00c9");
    EXPECT_EQ(members(*CharacterSet::uppercaseLetterCharacterSet(), probe), u"Z\u00c9");
    EXPECT_EQ(members(*CharacterSet::lowercaseLetterCharacterSet(), probe), u"a");
    EXPECT_EQ(members(*CharacterSet::alphanumericCharacterSet(), probe), u"aZ5\u00c9\u0663");
    EXPECT_EQ(members(*CharacterSet::whitespaceCharacterSet(), probe), u" \t");
    EXPECT_EQ(members(*CharacterSet::whitespaceAndNewlineCharacterSet(), probe), u" \t\n");
    EXPECT_EQ(members(*CharacterSet::newlineCharacterSet(), probe), u"\n");
    EXPECT_EQ(members(*CharacterSet::punctuationCharacterSet(), probe), u".");
    EXPECT_EQ(members(*CharacterSet::characterSetWithRange({u'0', 10}), probe), u"5");
}
