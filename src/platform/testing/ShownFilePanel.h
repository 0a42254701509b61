#pragma once

#include <optional>
#include <string>
#include <vector>

namespace platform::testing {

// An open or save panel as the user sees it on screen.
struct ShownFilePanel {
    // The directory whose items the list shows.
    std::string directory;
    // The text in the name field.
    std::string nameField;
    struct Item {
        std::string name;
        bool enabled;
    };
    // In the order the list shows them, once the list has read its directory.
    std::vector<Item> items;

    // The items' names on one line, a disabled one in brackets: "a.txt [b.txt] c".
    std::string listing() const;
};

// The panel the innermost modal run shows, else the panel shown as a sheet; none when no panel
// is up.
std::optional<ShownFilePanel> shownFilePanel();

} // namespace platform::testing
