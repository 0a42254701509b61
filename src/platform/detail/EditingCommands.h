#pragma once

// Internal to the platform: the editing commands of keys, shared by the text controls.

class QEvent;
class QKeyEvent;

namespace platform::detail {

// The editing command of a key, as the framework names it; none for keys that type or that
// the control handles without asking (shortcuts, selection with Shift held).
const char* editingCommandForKey(const QKeyEvent& event);

// The press of Tab or Back-Tab in the event, which the text controls take as editing commands
// rather than leave to the toolkit as focus keys; none for every other event.
QKeyEvent* tabKeyPress(QEvent& event);

} // namespace platform::detail
