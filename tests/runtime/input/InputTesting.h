#pragma once

// Shared set-up of the input tests: each test starts with no input or key format and ends with
// the windows it opened closed; text widths are measured as the input windows measure them.

#include "runtime/input/QVInkeyFormat.h"
#include "runtime/input/QVInputFormat.h"
#include "runtime/shell/Tags.h"

#include "platform/app/Application.h"
#include "platform/drawing/AttributedString.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/views/TextField.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace inputtest {

using platform::Point;
using platform::Rect;
using platform::Ref;
using platform::String;
using platform::testing::Key;
using platform::testing::ModalScript;

// An argument the caller leaves out.
constexpr std::int64_t NG = kParamNotGiven;

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { clearFormats(); }
    void TearDown() override {
        clearFormats();
        for (const auto& window : platform::Application::shared()->orderedWindows())
            window->close();
    }
    static void clearFormats() {
        CurrentInputFormatSet(nullptr);
        CurrentKeyFormatSet(nullptr);
    }
};

// An input's answer as text, or none when the input was cancelled.
inline std::optional<std::string> answerText(const platform::Ref<platform::String>& answer) {
    return answer ? std::optional<std::string>(answer->utf8()) : std::nullopt;
}

// The width of the text in a new text field's font.
inline double textWidth(const std::string& text) {
    const auto probe = std::make_shared<platform::TextField>();
    probe->setStringValue(platform::String::fromUtf8(text));
    return probe->attributedStringValue()->size().width;
}

// A titled window in front, as the game's window is during its inputs.
inline platform::Ref<platform::Window> frontWindow(platform::Rect content) {
    auto window = std::make_shared<platform::Window>(content, platform::WindowStyleMask::Titled);
    window->orderFront();
    return window;
}

// The origin the platform's own centring gives an input window.
inline platform::Point centredOrigin() {
    const auto probe = std::make_shared<platform::Window>(platform::Rect(0, 0, 110, 36),
                                                          platform::WindowStyleMask::Borderless);
    probe->center();
    return probe->frame().origin;
}

} // namespace inputtest
