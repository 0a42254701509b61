#pragma once

// Opening windows drawn in the designer: a window is loaded from its interface file, named by a
// tag as WindowOpen names the windows it makes, and wired so that every control reports to the
// program.

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {
class String;
}

// Opens the window of the interface file at the path for the tag. On first use of the tag the
// file is read: its window (or, for a file whose top-level widget is a view, a new window of the
// view's size holding it) gets what WindowCreate gives a window, is centred on its screen and is
// wired (WireViews) with the tag. A tag that already has a window opens that window again
// without reading the file. A tag of 1 or more shows the window in front as key; 0 or less
// leaves it hidden. The window becomes the current output window.
//
// A file that cannot be read or built opens nothing: the reader's message is reported in a
// runtime alert, and the program goes on when the user chooses to continue. A tag a popover has,
// or one above kObjectThreshold, opens nothing either, as for WindowOpen.
void WindowLoad(std::int64_t tag, const platform::Ref<platform::String>& path);
