#pragma once

// The notice of an error in addressing windows and views. It is never shown where the error is
// found: the request is queued and the operation goes on at once. At the next pass of the event
// loop the notices run as modal alerts, one after another in the order they were posted, each
// with the buttons "OK" (go on) and "Quit" (terminate the application).

#include "platform/foundation/Object.h"
#include "platform/windows/Alert.h"

namespace platform {
class String;
}

void ErrorNotice(const platform::Ref<platform::String>& messageText,
                 const platform::Ref<platform::String>& informativeText,
                 platform::AlertStyle style);
