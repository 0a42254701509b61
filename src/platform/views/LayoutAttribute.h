#pragma once

#include <cstdint>

namespace platform {

// Layout attributes with the framework's values: the edges, the sizes and the centres.
enum class LayoutAttribute : std::int64_t {
    Left = 1,
    Right = 2,
    Top = 3,
    Bottom = 4,
    Leading = 5,
    Trailing = 6,
    Width = 7,
    Height = 8,
    CenterX = 9,
    CenterY = 10,
};

} // namespace platform
