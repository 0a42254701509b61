#pragma once

// The upper-case and lower-case equivalent of every byte value. They map each byte to itself
// until RuntimeInit fills them from the C library in the default C locale.

#include <array>
#include <cstdint>

using CaseTable = std::array<std::uint8_t, 256>;

CaseTable& upperTable();
CaseTable& lowerTable();
