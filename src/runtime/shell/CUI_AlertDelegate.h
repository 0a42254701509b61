#pragma once

// The delegate of every alert the runtime makes. It reports the end of a sheet and the help
// button to the program's dialog callback, and keeps the state of the suppression check box of
// the alert that ended last.

#include "platform/foundation/Object.h"
#include "platform/windows/AlertDelegate.h"

#include <cstdint>

namespace platform {
class Alert;
}

// The events alerts hand to the dialog callback.
namespace AlertEvent {
// (Ended, the response or 0 when dismissed, the alert's tag, none)
inline constexpr std::int64_t Ended = 1000;
// (HelpRequested, the alert's tag, the alert's tag, none)
inline constexpr std::int64_t HelpRequested = 1001;
} // namespace AlertEvent

class CUI_AlertDelegate : public platform::Object, public platform::AlertDelegate {
public:
    // A sheet ended with the response: keeps the check box state and tells the dialog callback.
    void alertDidEndReturnCodeContextInfo(const platform::Ref<platform::Alert>& alert,
                                          std::int64_t returnCode, void* contextInfo);
    // Asks the dialog callback, which answers through the shared record's boolVal (false when
    // nobody answers): true when it gave the help.
    bool alertShowHelp(const platform::Ref<platform::Alert>& alert) override;

    // The state of the suppression check box of the alert that ended last (0 off, 1 on).
    std::int64_t lastSuppressionButtonState() const { return lastSuppressionButtonState_; }
    void setLastSuppressionButtonState(std::int64_t state) { lastSuppressionButtonState_ = state; }

private:
    std::int64_t lastSuppressionButtonState_ = 0;
};

// The one delegate of the process, made on first use.
platform::Ref<CUI_AlertDelegate> sharedAlertDelegate();
