#pragma once

#include "platform/Alert.h"

#include <optional>
#include <string>
#include <vector>

namespace platform::testing {

// An alert as the user sees it on screen.
struct ShownAlert {
    std::string messageText;
    std::string informativeText;
    // Told by the icon shown.
    std::optional<AlertStyle> style;
    // In the order they were added: the first stands rightmost.
    std::vector<std::string> buttonTitles;
    bool showsSuppressionButton = false;
};

// The alert the innermost modal run shows, or none when that run shows no alert.
std::optional<ShownAlert> shownAlert();

} // namespace platform::testing
