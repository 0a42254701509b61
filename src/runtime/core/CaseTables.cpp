#include "runtime/core/CaseTables.h"

namespace {

constexpr CaseTable identity() {
    CaseTable table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] = static_cast<std::uint8_t>(i);
    return table;
}

CaseTable upper = identity();
CaseTable lower = identity();

} // namespace

CaseTable& upperTable() {
    return upper;
}

CaseTable& lowerTable() {
    return lower;
}
