#pragma once

#include <cstdint>

namespace platform {

// Where a grid cell places its content, with the framework's values: as its row or column
// says (inherited), at the start, the end or the middle, or stretched over the cell. A content
// with no placement stays at the start.
enum class GridCellPlacement : std::int64_t {
    Inherited = 0,
    None = 1,
    Leading = 2,
    Top = 2,
    Trailing = 3,
    Bottom = 3,
    Center = 4,
    Fill = 5,
};

// The size of a row or column that follows its content, the framework's value.
inline constexpr double kGridViewSizeForContent = 1.17549435e-38;

} // namespace platform
