#pragma once

// Describes the runtime's alerts as they are shown, for death tests, whose only output is the
// ended process's standard error stream.

#include "platform/app/MainQueue.h"
#include "platform/testing/ShownAlert.h"

#include <cstdio>
#include <string>

namespace coretesting {

// Writes the next modal run's alert to the standard error stream once it shows.
inline void reportAlertWhenShown() {
    platform::MainQueue::async([] {
        const auto alert = platform::testing::shownAlert();
        std::fprintf(stderr, "%s\n", alert ? alert->description().c_str() : "no alert");
        std::fflush(stderr);
    });
}

} // namespace coretesting
