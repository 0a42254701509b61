#pragma once

// The temporary string stack: 64 slots of scratch strings for string expressions, the index
// gQVStk of the slot handed out last, and pstrResult, the shared result of the string-valued
// operations. Every string operand of an expression is built in a fresh slot; each operation
// below that consumes temporary operands lowers gQVStk by their number, so that the index is
// back where it started after a complete statement. The index never goes below 0, the slot
// where it rests when nothing is in use (slot 0 is never handed out).

#include "platform/foundation/Object.h"
#include "runtime/core/PStr.h"

#include <cstdint>

namespace platform {
class String;
}

inline constexpr int PStrStackSize = 64;

// The index of the slot handed out last. A program's own string function raises it by one on
// entry and lowers it by one before it returns its value in pstrResult.
std::int16_t& gQVStk();

// The shared result string, overwritten by the next operation that returns in it.
PStr& pstrResult();

// The next slot (gQVStk up by one). When no slot is left, the fatal overflow report; it does not
// return. An index below 0 left by an unbalanced program counts as 0.
PStr& TempPStr();

// Whether the two texts are equal (0) or not (not 0), a zero byte counting as the byte 1. The
// operands are destroyed. gQVStk down by two.
std::int8_t PStrEqual(PStr& a, PStr& b);

// The length. gQVStk down by one.
int PStrLength(const PStr& string);

// Up to count bytes from the 1-based position start (below 1 counts as 1), in pstrResult.
// gQVStk down by one.
PStr& PStrMid(const PStr& string, std::int16_t start, std::int16_t count);

// The string with each byte mapped through upperTable, in pstrResult. gQVStk down by one.
PStr& PStrUpper(const PStr& string);

// count copies of the byte, in pstrResult; empty when count, taken unsigned, exceeds 255.
PStr& PStrFill(std::int16_t count, std::uint8_t byte);

// The 1-based position of the first occurrence of pattern in string at or after start (below 2
// counts as 1), or 0. An empty pattern is never found, so a search loop that moves on from each
// hit always ends. gQVStk down by two.
int PStrFind(std::int16_t start, const PStr& string, const PStr& pattern);

// The platform string of the Mac OS Roman text. gQVStk down by one.
platform::Ref<platform::String> PStrToNSString(const PStr& string);
