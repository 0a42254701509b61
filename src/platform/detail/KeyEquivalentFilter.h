#pragma once

// Internal to the platform: the watch over every key press of the application that gives the
// main menu's key equivalents their turn before any window sees the key, and opens the menu bar
// for F10.

class QKeyEvent;

namespace platform::detail {

// Installs the watch once; later calls do nothing.
void installKeyEquivalentFilter();

// Offers a key press to the main menu as a key equivalent; answers whether an item took it.
// Keys without Control, Alt or Meta are never equivalents: plain typing reaches the fields.
bool performMainMenuKeyEquivalent(const QKeyEvent& key);

} // namespace platform::detail
