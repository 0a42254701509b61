#pragma once

// Shared by the runtime core's tests: readable strings, a clean temporary string stack, and the
// runtime's alerts described as they show, for death tests, whose only output is the ended
// process's standard error stream.

#include "runtime/core/PStr.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/core/TempPStrStack.h"

#include "platform/app/MainQueue.h"
#include "platform/testing/ShownAlert.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace coretesting {

inline std::string text(const PStr& string) {
    return std::string(reinterpret_cast<const char*>(string.data() + 1), string[0]);
}

// A fresh slot holding the text, as a program builds a temporary operand.
inline PStr& temp(std::string_view value) {
    return PStrCopy(TempPStr(), PStrLiteral(value));
}

class CoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        RuntimeInit();
        gQVStk() = 0;
    }
};

// Writes the next modal run's alert to the standard error stream once it shows.
inline void reportAlertWhenShown() {
    platform::MainQueue::async([] {
        const auto alert = platform::testing::shownAlert();
        std::fprintf(stderr, "%s\n", alert ? alert->description().c_str() : "no alert");
        std::fflush(stderr);
    });
}

} // namespace coretesting
