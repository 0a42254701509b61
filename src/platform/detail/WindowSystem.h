#pragma once

// Internal to the platform: what the window system can do for our windows.

namespace platform::detail {

// Whether the window system composites windows, so that a window's transparent pixels show
// what lies behind it. Without a compositor (an X server with no compositing manager, the
// offscreen platform) a transparent pixel shows black or garbage.
bool windowSystemComposites();

} // namespace platform::detail
