#pragma once

#include <string_view>

namespace platform::testing {

// What a user types into the service panels on screen, sent as real key events: the field is
// selected whole (Control+A), the text typed and Return pressed. Each answers false when no
// such panel is up.

// Into the colour panel's HTML field ("#rrggbb").
bool typeColorInShownColorPanel(std::string_view html);
// Into the font panel's size field.
bool typeSizeInShownFontPanel(std::string_view size);

// A click with the mouse on the page setup dialog's option or button of this title
// ("Landscape", "OK").
bool clickInShownPageSetup(std::string_view option);

} // namespace platform::testing
