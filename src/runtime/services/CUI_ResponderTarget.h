#pragma once

// Hears the end of an error's presentation and hands it to the dialog callback as
// ErrorEvent::DidPresentError, with the current output window's tag and no object: the shared
// event record's boolVal says whether the error was recovered from, its context what the
// program gave.

#include "platform/foundation/Object.h"

class CUI_ResponderTarget : public platform::Object {
public:
    void didPresentErrorWithRecoveryContextInfo(bool recovered, void* context);
};
