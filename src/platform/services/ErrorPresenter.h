#pragma once

#include "platform/foundation/Object.h"

#include <cstddef>
#include <functional>

namespace platform {

class Error;
class String;
class Window;

// The key of an error's userInfo under which an ErrorRecoveryAttempter (an Object that is one)
// stands ready to act on the recovery option the user chooses.
Ref<String> RecoveryAttempterErrorKey();

class ErrorRecoveryAttempter {
public:
    virtual ~ErrorRecoveryAttempter();
    // Answers whether the error was dealt with by the option (0 is the first of the error's
    // recovery options).
    virtual bool attemptRecoveryFromErrorOptionIndex(const Ref<Error>& error,
                                                     std::size_t option) = 0;
};

// Shows errors to the user in the platform's alert: the description, the recovery suggestion,
// and the recovery options as buttons; the option chosen goes to the error's recovery attempter.
class ErrorPresenter {
public:
    // Answers whether the error was recovered from.
    static bool presentError(const Ref<Error>& error);
    // As a sheet on the window; the handler hears whether the error was recovered from.
    static void
    presentErrorModalForWindowCompletionHandler(const Ref<Error>& error, const Ref<Window>& window,
                                                std::function<void(bool recovered)> handler);
};

} // namespace platform
