#pragma once

// Random integers from the C library's generator, which RuntimeInit seeds once per run.

#include <cstdint>

// A whole number from 1 to n, each equally likely, for n of 1 or more; 1 for 0; from n + 1 to 1
// for a negative n.
std::int32_t RandomUpTo(std::int32_t n);

// Seeds the generator from the system's source of randomness, so that every run differs.
void RandomSeed();
