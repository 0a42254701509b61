#pragma once

#include "platform/windows/Alert.h"

#include <optional>
#include <string>
#include <vector>

namespace platform {
class Window;
}

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

    // All of it on one line, for a test to compare at once:
    // "alert warning [message] [informative] <first button> <second button>".
    std::string description() const;
};

// The alert the innermost modal run shows, or none when that run shows no alert.
std::optional<ShownAlert> shownAlert();

// The alert shown as a sheet on the window, or none.
std::optional<ShownAlert> shownSheet(const Window& window);
// Clicks a button of the sheet on the window with the mouse, counting as clickButton of the
// modal scripting does (0 is the first button added). A sheet ends later, from the event loop,
// so its completion handler has not run when this returns. False when there is no such sheet
// or button.
bool clickSheetButton(const Window& window, int index);

} // namespace platform::testing
