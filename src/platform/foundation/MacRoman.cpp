#include "platform/foundation/MacRoman.h"

#include "platform/foundation/String.h"

#include <QString>

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

namespace platform {

namespace {

// The characters of the bytes 0x80 to 0xFF; the bytes below are ASCII.
constexpr char16_t upperHalf[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1, // 80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8, // 88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3, // 90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC, // 98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF, // A0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8, // A8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211, // B0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8, // B8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB, // C0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153, // C8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA, // D0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02, // D8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1, // E0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4, // E8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC, // F0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7, // F8
};

// The reverse mapping as a two-level table, built by the compiler: the high byte of a
// character selects one of the few 256-byte pages that hold characters of the set (page 0
// meaning none), the low byte the entry, which is the Mac OS Roman byte or 0 for none.
struct ReverseTable {
    std::array<std::uint8_t, 256> pageOf{};
    std::array<std::array<std::uint8_t, 256>, 11> pages{};
};

constexpr ReverseTable reverseTable = [] {
    ReverseTable table;
    std::uint8_t pagesUsed = 0;
    for (std::size_t i = 0; i < std::size(upperHalf); ++i) {
        const auto high = static_cast<std::size_t>(upperHalf[i] >> 8);
        if (table.pageOf[high] == 0)
            table.pageOf[high] = ++pagesUsed;
        table.pages[table.pageOf[high]][upperHalf[i] & 0xFF] = static_cast<std::uint8_t>(0x80 + i);
    }
    return table;
}();

// The byte of a code point, or -1 when Mac OS Roman has none.
int macRomanByte(char32_t character) {
    if (character < 0x80)
        return static_cast<int>(character);
    if (character > 0xFFFF)
        return -1;
    const std::uint8_t page = reverseTable.pageOf[character >> 8];
    const std::uint8_t byte = page ? reverseTable.pages[page][character & 0xFF] : 0;
    return byte ? byte : -1;
}

struct CodePoint {
    char32_t character;
    std::size_t next; // the index after it
};

// The code point at index i; a surrogate pair counts as one. A lone surrogate is its own code
// point, which no character set has.
inline CodePoint codePointAt(std::u16string_view units, std::size_t i) {
    const char16_t unit = units[i];
    if (QChar::isHighSurrogate(unit) && i + 1 < units.size() && QChar::isLowSurrogate(units[i + 1]))
        return {QChar::surrogateToUcs4(unit, units[i + 1]), i + 2};
    return {unit, i + 1};
}

// Writes units into buffer as the lossy conversion does ('?' for a missing character, the text
// cut at limit bytes) and answers whether that lost nothing.
bool encode(std::u16string_view units, std::uint8_t* buffer, std::size_t limit) {
    bool exact = true;
    std::size_t length = 0;
    std::size_t i = 0;
    while (i < units.size()) {
        if (length == limit) {
            exact = false;
            break;
        }
        if (units[i] < 0x80) {
            buffer[1 + length++] = static_cast<std::uint8_t>(units[i++]);
            continue;
        }
        const CodePoint point = codePointAt(units, i);
        const int byte = macRomanByte(point.character);
        exact = exact && byte >= 0;
        buffer[1 + length++] = static_cast<std::uint8_t>(byte < 0 ? '?' : byte);
        i = point.next;
    }
    buffer[0] = static_cast<std::uint8_t>(length);
    return exact;
}

// Whether composing can change what the conversion makes of the text. Composition changes only
// text holding a mark (e + U+0301 → é, and the spacing vowel signs that join their vowel), a
// character with a canonical decomposition (the ohm sign U+2126 → Ω) or a Hangul jamo that
// joins the syllable before it; all lie at U+0300 or above. Other characters outside the set
// (♠, emoji) stay what they are, so text holding only such characters skips the normaliser.
bool mayComposeDifferently(std::u16string_view units) {
    std::size_t i = 0;
    while (i < units.size()) {
        if (units[i] < 0x300) {
            ++i;
            continue;
        }
        const CodePoint point = codePointAt(units, i);
        const char32_t c = point.character;
        const bool followingJamo = (c >= 0x1161 && c <= 0x1175) || (c >= 0x11A8 && c <= 0x11C2);
        if (followingJamo || QChar::isMark(c) || QChar::decompositionTag(c) == QChar::Canonical)
            return true;
        i = point.next;
    }
    return false;
}

} // namespace

bool StringGetPascalString(const String& string, std::uint8_t* buffer, std::size_t bufferSize,
                           PascalConversion mode) {
    if (!buffer || bufferSize == 0)
        return false;
    const std::size_t limit = std::min<std::size_t>(255, bufferSize - 1);
    const std::u16string& units = string.utf16();
    if (encode(units, buffer, limit))
        return true;
    if (mayComposeDifferently(units)) {
        const std::u16string composed = QString::fromStdU16String(units)
                                            .normalized(QString::NormalizationForm_C)
                                            .toStdU16String();
        if (encode(composed, buffer, limit))
            return true;
    }
    if (mode == PascalConversion::Strict) {
        buffer[0] = 0;
        return false;
    }
    return true;
}

Ref<String> StringCreateWithPascalString(const std::uint8_t* pascal) {
    if (!pascal)
        return String::create();
    std::u16string units(pascal[0], u'\0');
    for (std::size_t i = 0; i < units.size(); ++i) {
        const std::uint8_t byte = pascal[1 + i];
        units[i] = byte < 0x80 ? char16_t(byte) : upperHalf[byte - 0x80];
    }
    return String::create(std::move(units));
}

} // namespace platform
