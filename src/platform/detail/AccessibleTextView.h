#pragma once

// Internal to the platform: how views that draw text of their own (AccessibleText) reach
// assistive technologies. The toolkit asks a factory for the accessible object of each widget;
// ours answers for the widgets of such views with a read-only document whose text interface
// reads the view, and for the program's windows with a window, and the toolkit's bridge
// carries them to the desktop's accessibility bus.

#include "platform/foundation/Geometry.h"

#include <functional>
#include <string>

namespace platform {
class View;
}

namespace platform::detail {

// Installs the factory once; later calls do nothing.
void installAccessibility();

// Reports text that came into, or is about to leave, the range of the view's text.
void postTextInserted(View& view, Range range);
void postTextRemoved(View& view, Range range);

// A watcher in this process that hears every text change reported, inserted or not, whether or
// not an assistive technology listens; the platform's test helpers read the reports through it.
using TextChangeWatcher =
    std::function<void(View& view, bool inserted, std::int64_t location, std::u16string text)>;
void setTextChangeWatcher(TextChangeWatcher watcher);

} // namespace platform::detail
