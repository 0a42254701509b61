#pragma once

// Prepares the runtime core once, early in the program's start: fills upperTable and lowerTable
// with the C library's case mapping in the default C locale (only the ASCII letters change) and
// seeds the random generator.
void RuntimeInit();
