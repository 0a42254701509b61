#pragma once

// Internal to the platform: the watch over every key press of the application that gives the
// main menu's key equivalents their turn before any window sees the key.

namespace platform::detail {

// Installs the watch once; later calls do nothing.
void installKeyEquivalentFilter();

} // namespace platform::detail
