#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <functional>

namespace platform {

class String;

// A set of Unicode characters, tested one code point at a time. Sets are immutable; the
// inverted set of a set holds exactly the characters the set does not.
class CharacterSet : public Object {
public:
    explicit CharacterSet(std::function<bool(char32_t)> test);

    // The characters of the string; a surrogate pair counts as the one character it encodes.
    static Ref<CharacterSet> characterSetWithCharactersInString(const String& string);
    // The code points location to location + length - 1.
    static Ref<CharacterSet> characterSetWithRange(Range range);
    static Ref<CharacterSet> decimalDigitCharacterSet();
    static Ref<CharacterSet> letterCharacterSet();
    static Ref<CharacterSet> uppercaseLetterCharacterSet();
    static Ref<CharacterSet> lowercaseLetterCharacterSet();
    static Ref<CharacterSet> alphanumericCharacterSet();
    static Ref<CharacterSet> punctuationCharacterSet();
    // Blank and tab; with newlines also the line and paragraph ends.
    static Ref<CharacterSet> whitespaceCharacterSet();
    static Ref<CharacterSet> whitespaceAndNewlineCharacterSet();
    static Ref<CharacterSet> newlineCharacterSet();

    Ref<CharacterSet> invertedSet() const;
    // Membership of one UTF-16 code unit (a lone surrogate is a member only of inverted sets
    // and of sets built from a range that covers it).
    bool characterIsMember(char16_t character) const;
    bool longCharacterIsMember(char32_t character) const;

private:
    std::function<bool(char32_t)> test_;
};

} // namespace platform
