#pragma once

// A fixture for the console tests that use real windows: each test starts with no window and no
// current output window, and closes every window it opened.

#include "runtime/console/CUI_PrintToWindowItem.h"
#include "runtime/console/CUI_PrintToWindowView.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace console_testing {

class ConsoleWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppEnsureDelegate();
        closeAllWindows();
    }
    void TearDown() override { closeAllWindows(); }

    static void closeAllWindows() {
        for (const auto& window : platform::Application::shared()->windows())
            window->close();
        CurrentOutputWindowTagSet(0);
    }

    static std::vector<std::u16string> texts(const CUI_PrintToWindowView& console) {
        std::vector<std::u16string> result;
        for (const auto& item : console.items())
            result.push_back(item->string()->utf16());
        return result;
    }
};

inline platform::Ref<platform::String> utf8(const char* text) {
    return platform::String::fromUtf8(text);
}

} // namespace console_testing
