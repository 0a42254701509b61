#pragma once

// Internal to the platform: the editing commands of keys, shared by the text controls.

class QKeyEvent;

namespace platform::detail {

// The editing command of a key, as the framework names it; none for keys that type or that
// the control handles without asking (shortcuts, selection with Shift held).
const char* editingCommandForKey(const QKeyEvent& event);

} // namespace platform::detail
