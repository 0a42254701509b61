#pragma once

// The runtime's working string: 256 bytes, byte 0 the length (0 to 255), bytes 1 to the length
// the text in Mac OS Roman. Bytes past the length mean nothing and there is no terminating zero.
// None of these operations allocates, and none reads or writes outside the 256 bytes whatever
// the length byte holds.

#include "platform/foundation/Object.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace platform {
class String;
}

using PStr = std::array<std::uint8_t, 256>;

inline constexpr int PStrMaxLength = 255;

// A length-prefixed string of the bytes of text, cut after 255. Write bytes beyond ASCII as
// their Mac OS Roman values ("\x8e" for e acute).
constexpr PStr PStrLiteral(std::string_view text) {
    PStr result{};
    const std::size_t length = text.size() < PStrMaxLength ? text.size() : PStrMaxLength;
    result[0] = static_cast<std::uint8_t>(length);
    for (std::size_t i = 0; i < length; ++i)
        result[1 + i] = static_cast<std::uint8_t>(text[i]);
    return result;
}

// Copies the length byte and the text; the two may be the same string.
PStr& PStrCopy(PStr& destination, const PStr& source);

// Appends the source's text, dropping whatever would go past 255 bytes.
PStr& PStrAppend(PStr& destination, const PStr& source);

// Turns the string in place into a zero-terminated byte string of the same length: the text
// moves down over the length byte, each zero byte in it becomes 1, and a zero follows it.
char* PStrToCString(PStr& string);

// The platform string as Mac OS Roman text. A character with no Mac OS Roman byte becomes "?",
// and text past 255 bytes is cut off; none gives the empty string.
void NSStringToPStr(const platform::Ref<platform::String>& source, PStr& destination);
