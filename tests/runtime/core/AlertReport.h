#pragma once

// Describes the runtime's alerts as they are shown, for death tests, whose only output is the
// ended process's standard error stream.

#include "platform/app/MainQueue.h"
#include "platform/testing/ShownAlert.h"

#include <cstdio>
#include <string>

namespace coretesting {

inline std::string describe(const platform::testing::ShownAlert& alert) {
    const char* styles[] = {"warning", "informational", "critical"};
    std::string text = "alert ";
    text += alert.style ? styles[static_cast<int>(*alert.style)] : "unknown";
    text += " [" + alert.messageText + "] [" + alert.informativeText + "]";
    for (const auto& title : alert.buttonTitles)
        text += " <" + title + ">";
    return text;
}

// Writes the next modal run's alert to the standard error stream once it shows.
inline void reportAlertWhenShown() {
    platform::MainQueue::async([] {
        const auto alert = platform::testing::shownAlert();
        std::fprintf(stderr, "%s\n", alert ? describe(*alert).c_str() : "no alert");
        std::fflush(stderr);
    });
}

} // namespace coretesting
