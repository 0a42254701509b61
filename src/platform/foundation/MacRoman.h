#pragma once

#include "platform/foundation/Object.h"

#include <cstddef>
#include <cstdint>

namespace platform {

class String;

// Conversion between strings and length-prefixed byte strings in the Mac OS Roman character
// set (byte 0 the length, then at most 255 bytes of text).

enum class PascalConversion {
    Strict, // fail on a character outside Mac OS Roman or on text that does not fit
    Lossy,  // write '?' for each such character and cut the text at the limit
};

// Writes string into buffer as a length-prefixed byte string of at most
// min(255, bufferSize - 1) bytes. The text is composed first (a letter followed by a combining
// accent becomes the accented letter), and a character is a code point, so a surrogate pair
// that cannot be converted becomes a single '?'. Returns false, with an empty result in
// buffer[0], when the strict conversion fails; false without writing when there is no room
// even for the length byte.
bool StringGetPascalString(const String& string, std::uint8_t* buffer, std::size_t bufferSize,
                           PascalConversion mode);

// The string of a length-prefixed Mac OS Roman byte string; every byte value has a character.
// No bytes give the empty string.
Ref<String> StringCreateWithPascalString(const std::uint8_t* pascal);

} // namespace platform
