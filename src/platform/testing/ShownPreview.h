#pragma once

#include <optional>
#include <string>

namespace platform {
class PreviewPanel;
}

namespace platform::testing {

// A preview panel as the user sees it.
struct ShownPreview {
    // "name (2 of 3)", "No items" or "No preview".
    std::string title;
    // The width of the picture shown, 0 when the panel shows text or nothing.
    int pictureWidth = 0;
    // The text shown, when the item is not a picture.
    std::string text;
};

// The panel's contents, or none while it is not on screen.
std::optional<ShownPreview> shownPreview(const PreviewPanel& panel);

enum class PreviewKey { Left, Right, Up, Down, Escape };
// Presses and releases the key in the panel's window.
void pressKeyInPreview(const PreviewPanel& panel, PreviewKey key);

} // namespace platform::testing
