#include "platform/foundation/CharacterSet.h"

#include "platform/foundation/String.h"

#include <QChar>
#include <QList>
#include <QString>

#include <algorithm>
#include <vector>

namespace platform {

namespace {

bool isNewline(char32_t c) {
    return c == U'\n' || c == U'\v' || c == U'\f' || c == U'\r' || c == 0x85 || c == 0x2028 ||
           c == 0x2029;
}

bool isBlank(char32_t c) {
    return c == U'\t' || QChar::category(c) == QChar::Separator_Space;
}

} // namespace

CharacterSet::CharacterSet(std::function<bool(char32_t)> test) : test_(std::move(test)) {}

Ref<CharacterSet> CharacterSet::characterSetWithCharactersInString(const String& string) {
    const auto units = string.utf16();
    std::vector<char32_t> members;
    for (char32_t c : QString::fromStdU16String(units).toUcs4())
        members.push_back(c);
    std::sort(members.begin(), members.end());
    members.erase(std::unique(members.begin(), members.end()), members.end());
    return std::make_shared<CharacterSet>([members = std::move(members)](char32_t c) {
        return std::binary_search(members.begin(), members.end(), c);
    });
}

Ref<CharacterSet> CharacterSet::characterSetWithRange(Range range) {
    return std::make_shared<CharacterSet>(
        [range](char32_t c) { return range.contains(static_cast<std::int64_t>(c)); });
}

Ref<CharacterSet> CharacterSet::decimalDigitCharacterSet() {
    return std::make_shared<CharacterSet>([](char32_t c) { return QChar::isDigit(c); });
}

Ref<CharacterSet> CharacterSet::letterCharacterSet() {
    return std::make_shared<CharacterSet>([](char32_t c) { return QChar::isLetter(c); });
}

Ref<CharacterSet> CharacterSet::uppercaseLetterCharacterSet() {
    return std::make_shared<CharacterSet>([](char32_t c) {
        return QChar::isUpper(c) || QChar::category(c) == QChar::Letter_Titlecase;
    });
}

Ref<CharacterSet> CharacterSet::lowercaseLetterCharacterSet() {
    return std::make_shared<CharacterSet>([](char32_t c) { return QChar::isLower(c); });
}

Ref<CharacterSet> CharacterSet::alphanumericCharacterSet() {
    return std::make_shared<CharacterSet>([](char32_t c) { return QChar::isLetterOrNumber(c); });
}

Ref<CharacterSet> CharacterSet::punctuationCharacterSet() {
    return std::make_shared<CharacterSet>([](char32_t c) { return QChar::isPunct(c); });
}

Ref<CharacterSet> CharacterSet::whitespaceCharacterSet() {
    return std::make_shared<CharacterSet>(isBlank);
}

Ref<CharacterSet> CharacterSet::whitespaceAndNewlineCharacterSet() {
    return std::make_shared<CharacterSet>([](char32_t c) { return isBlank(c) || isNewline(c); });
}

Ref<CharacterSet> CharacterSet::newlineCharacterSet() {
    return std::make_shared<CharacterSet>(isNewline);
}

Ref<CharacterSet> CharacterSet::invertedSet() const {
    return std::make_shared<CharacterSet>([test = test_](char32_t c) { return !test(c); });
}

bool CharacterSet::characterIsMember(char16_t character) const {
    return test_(character);
}

bool CharacterSet::longCharacterIsMember(char32_t character) const {
    return test_(character);
}

} // namespace platform
