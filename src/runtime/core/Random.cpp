#include "runtime/core/Random.h"

#include <cstdlib>
#include <random>

std::int32_t RandomUpTo(std::int32_t n) {
    if (n == 0)
        return 1;
    // rand() spans 0 to 2^31 - 1; scaled by 2^-31 it lies in [0, 1).
    const double unit = std::rand() * 4.656612873077393e-10;
    return static_cast<std::int32_t>(n * unit) + 1;
}

void RandomSeed() {
    std::random_device source;
    std::srand(source());
}
