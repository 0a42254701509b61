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

} // namespace platform::testing
