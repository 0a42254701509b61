#pragma once

// Shared by the runtime core's tests: readable strings and a clean temporary string stack.

#include "runtime/core/PStr.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/core/TempPStrStack.h"

#include "AlertReport.h"

#include <gtest/gtest.h>

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

} // namespace coretesting
