#pragma once

// Shared set-up of the shell tests: recorders for every kind of callback, and a fixture that
// starts each test with no callback installed and closes the windows the test opened.

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_ControlTarget.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/CUI_WindowDelegate.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/Tags.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/Application.h"
#include "platform/app/MainQueue.h"
#include "platform/foundation/Array.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "platform/testing/UserActions.h"
#include "platform/windows/Window.h"

#include "TestText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace shelltest {

using platform::Rect;
using platform::Ref;
using platform::View;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::UserActions;
using testsupport::text;

// Which receiver heard an event, with what.
enum class Receiver { Dialog, Window, AllWindows, Control, AllControls, Delegate, AppFunction };

struct Heard {
    Receiver receiver;
    std::int64_t event;
    std::int64_t tag;
    std::int64_t wndTag;
    platform::Ref<platform::Object> object;
    void* userData;
};

inline std::vector<Heard>& heard() {
    static std::vector<Heard> calls;
    return calls;
}

// What a callback does while it runs, for the tests that answer questions.
inline std::function<void()>& whileHeard() {
    static std::function<void()> action;
    return action;
}

// The events heard, in order.
inline std::vector<std::int64_t> heardEvents() {
    std::vector<std::int64_t> events;
    for (const auto& call : heard())
        events.push_back(call.event);
    return events;
}

// What was heard, one call a line: "<receiver> <event> <tag>/<window tag>".
inline std::string heardText() {
    static const char* const receivers[] = {"dialog",       "window",   "all windows", "control",
                                            "all controls", "delegate", "app"};
    std::string text;
    for (const auto& call : heard())
        text += std::string(receivers[static_cast<int>(call.receiver)]) + " " +
                std::to_string(call.event) + " " + std::to_string(call.tag) + "/" +
                std::to_string(call.wndTag) + "\n";
    return text;
}

// Opens, or reopens, the window with the tag (hidden when the tag is negative) and answers it.
inline platform::Ref<platform::Window> openWindow(std::int64_t tag, platform::Rect content = {}) {
    WindowOpen(tag, nullptr, kParamNotGiven, content);
    return WindowWithTag(tag);
}

inline void record(Heard call) {
    heard().push_back(std::move(call));
    if (whileHeard())
        whileHeard()();
}

inline void dialogCallback(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
                           const platform::Ref<platform::Object>& object) {
    record({Receiver::Dialog, event, tag, wndTag, object, nullptr});
}
inline void windowCallback(std::int64_t wndTag, std::int64_t event, void* userData) {
    record({Receiver::Window, event, 0, wndTag, nullptr, userData});
}
inline void allWindowsCallback(std::int64_t wndTag, std::int64_t event, void* userData) {
    record({Receiver::AllWindows, event, 0, wndTag, nullptr, userData});
}
inline void controlCallback(std::int64_t tag, std::int64_t wndTag, void* userData) {
    record({Receiver::Control, 1, tag, wndTag, nullptr, userData});
}
inline void allControlsCallback(std::int64_t tag, std::int64_t wndTag, void* userData) {
    record({Receiver::AllControls, 1, tag, wndTag, nullptr, userData});
}
inline void delegateCallback(std::int64_t event, void* userData) {
    record({Receiver::Delegate, event, 0, 0, nullptr, userData});
}
inline void appFunction(std::int64_t event, const platform::Ref<platform::Object>& object) {
    record({Receiver::AppFunction, event, 0, 0, object, nullptr});
}

// Runs the event loop in a modal run of a fresh window until something stops the run; the caller
// scripts the run.
inline void runModalWindow() {
    const auto window = std::make_shared<platform::Window>(platform::Rect{100, 100, 200, 100},
                                                           platform::WindowStyleMask::Titled);
    platform::Application::shared()->runModalForWindow(window);
    window->close();
}

// Lets the event loop run until every queued alert has been shown and answered: a modal run of a
// fresh window that ends once no alert is up any more. The caller scripts that run (with no
// steps) and then each alert. Answers the alerts seen, in order; an alert that shows the same
// texts as the one before it counts once.
inline std::vector<platform::testing::ShownAlert> runUntilAlertsAnswered() {
    std::vector<platform::testing::ShownAlert> seen;
    std::function<void()> check = [&] {
        const auto alert = platform::testing::shownAlert();
        if (!alert) {
            platform::Application::shared()->stopModal();
            return;
        }
        if (seen.empty() || seen.back().messageText != alert->messageText ||
            seen.back().informativeText != alert->informativeText)
            seen.push_back(*alert);
        platform::MainQueue::async(check);
    };
    platform::MainQueue::async(check);
    runModalWindow();
    return seen;
}

// Lets the queued notices show, answering each of the `count` expected with its first button;
// answers what they showed, one a line.
inline std::string answerNotices(int count) {
    platform::testing::ModalScript script;
    script.run();
    for (int i = 0; i < count; ++i)
        script.run().clickButton(0);
    std::string seen;
    for (const auto& alert : runUntilAlertsAnswered())
        seen += alert.description() + "\n";
    return seen;
}

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppEnsureDelegate();
        reset();
    }
    void TearDown() override {
        reset();
        // Copied: closing takes each window out of the list.
        const auto windows = platform::Array::arrayWithArray(*AppDelegateGet()->windows());
        for (const auto& window : *windows)
            std::static_pointer_cast<platform::Window>(window)->close();
        reset();
    }

private:
    static void reset() {
        DialogCallbackSet(nullptr);
        AllWindowsCallbackSet(nullptr);
        AllControlsCallbackSet(nullptr);
        AppEventFunctionSet(nullptr);
        AppDelegateGet()->setDelegateCallback(nullptr);
        CurrentOutputWindowTagSet(0);
        heard().clear();
        whileHeard() = nullptr;
    }
};

} // namespace shelltest
