#pragma once

#include <string_view>

namespace platform::testing {

// Picks a colour in the colour panel on screen the way a user types one: selects its HTML field
// ("#rrggbb"), types the colour and presses Return, as real key events. False when no colour
// panel is up.
bool typeColorInShownColorPanel(std::string_view html);

} // namespace platform::testing
