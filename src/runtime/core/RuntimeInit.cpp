#include "runtime/core/RuntimeInit.h"

#include "runtime/core/CaseTables.h"
#include "runtime/core/Random.h"

namespace {

// The C library's toupper and tolower in the default C locale. They are written out because
// the toolkit sets the process locale from the environment, where the library's own functions
// may map bytes above 127 as well.
int upperOf(int value) {
    return value >= 'a' && value <= 'z' ? value - 'a' + 'A' : value;
}

int lowerOf(int value) {
    return value >= 'A' && value <= 'Z' ? value - 'A' + 'a' : value;
}

} // namespace

void RuntimeInit() {
    CaseTable& upper = upperTable();
    CaseTable& lower = lowerTable();
    for (int value = 0; value < 256; ++value) {
        upper[static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(upperOf(value));
        lower[static_cast<std::size_t>(value)] = static_cast<std::uint8_t>(lowerOf(value));
    }
    RandomSeed();
}
