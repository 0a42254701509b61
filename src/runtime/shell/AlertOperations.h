#pragma once

// Alerts that programs name by id. An alert is defined with a negative id, shown with a positive
// one (which defines it first when needed), and ends when a button is chosen or it is dismissed;
// an alert that ended is gone, so each show needs a fresh definition. Every ending is reported
// to the dialog callback as AlertEvent::Ended (CUI_AlertDelegate.h).
//
// Ids run from 1 to kObjectThreshold; 0 and larger magnitudes name no alert, and the operations
// do nothing for them.

#include "platform/foundation/Object.h"

#include <cstdint>
#include <vector>

namespace platform {
class Alert;
class String;
} // namespace platform

// The alerts defined and not yet ended, in the order of their definition.
std::vector<platform::Ref<platform::Alert>>& alertRegistry();

// Defines, updates, shows or dismisses the alert with the magnitude of the id as its tag.
//
// An alert not yet defined is made from the arguments: with an error object as message it is the
// platform's alert for the error (style, informative text and buttons unused); otherwise it
// gets the style (0, warning, when omitted), the message and informative texts when present, and
// the buttons: a string gives one per ";"-separated piece (empty pieces give untitled buttons,
// an empty string none), an array one per element; without buttons the platform shows "OK". A
// defined alert is updated instead: style and sheet when given, and, unless the message is an
// error object, each text that is present; its buttons never change.
//
// A negative id leaves a new alert defined and dismisses one that was defined (its window
// closes, and the dialog callback hears (Ended, 0, tag)); both return 0. A positive id shows the
// alert: as a sheet on the current window (the current output window, else the front window)
// when its sheet flag is set and there is such a window, returning 0 at once and reporting the
// response to the dialog callback when the sheet ends; else as a modal dialog, returning the
// response (1000 for the first button, one more for each later one) after reporting it. An
// alert dismissed while it is up ends once: a sheet never completes, and a modal run returns
// ModalResponse::Abort without a second report.
//
// style (0 warning, 1 informational, 2 critical) and sheet (non-zero for true) may be
// kParamNotGiven; message and informative may be absent.
std::int64_t AlertRun(std::int64_t id, std::int64_t style,
                      const platform::Ref<platform::Object>& message,
                      const platform::Ref<platform::String>& informative,
                      const platform::Ref<platform::Object>& buttons, std::int64_t sheet);

// Gives the button at the index (0 first, in the order added) of the defined alert the key
// equivalent ("\x1b" for Escape, "\r" for Return; absent or empty for none). Nothing happens for
// an id that names no defined alert (the id is not made positive) or an index out of range.
void AlertButtonKeySet(std::int64_t id, std::int64_t index,
                       const platform::Ref<platform::String>& key);

// The first defined alert with the id as its tag, or absent.
platform::Ref<platform::Alert> AlertFind(std::int64_t id);
