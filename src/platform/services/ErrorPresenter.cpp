#include "platform/services/ErrorPresenter.h"

#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/windows/Alert.h"

namespace platform {

namespace {

// The attempter's answer for the button that ended the alert; no attempter recovers nothing.
bool recover(const Ref<Error>& error, std::int64_t response) {
    const auto attempter = std::dynamic_pointer_cast<ErrorRecoveryAttempter>(
        error->userInfo()->objectForKey(RecoveryAttempterErrorKey()));
    const std::int64_t option = response - AlertFirstButtonReturn;
    if (!attempter || option < 0)
        return false;
    return attempter->attemptRecoveryFromErrorOptionIndex(error, static_cast<std::size_t>(option));
}

} // namespace

Ref<String> RecoveryAttempterErrorKey() {
    static const auto key = String::fromUtf8("NSRecoveryAttempter");
    return key;
}

ErrorRecoveryAttempter::~ErrorRecoveryAttempter() = default;

bool ErrorPresenter::presentError(const Ref<Error>& error) {
    return error && recover(error, Alert::alertWithError(error)->runModal());
}

void ErrorPresenter::presentErrorModalForWindowCompletionHandler(
    const Ref<Error>& error, const Ref<Window>& window,
    std::function<void(bool recovered)> handler) {
    if (!error)
        return;
    Alert::alertWithError(error)->beginSheetModalForWindowCompletionHandler(
        window, [error, handler = std::move(handler)](std::int64_t response) {
            const bool recovered = recover(error, response);
            if (handler)
                handler(recovered);
        });
}

} // namespace platform
