// The modal key input, pressed with real key events: the key it answers with and without a key
// format, how its window fits its prompt and cursor, and the cursor blinking while it waits.

#include "InputTesting.h"

#include "runtime/input/InputOperations.h"
#include "runtime/input/QVInkeyFormat.h"
#include "runtime/input/QVInkeyWindow.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/CUI_Event.h"
#include "runtime/shell/Tags.h"

#include "platform/app/Event.h"
#include "platform/app/RunLoop.h"
#include "platform/app/Timer.h"
#include "platform/foundation/CharacterSet.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TextField.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

using namespace inputtest;

namespace {

std::optional<std::string> keyInput(const char* prompt = "Key? ") {
    return answerText(InkeyWindowRun(NG, NG, prompt ? String::fromUtf8(prompt) : nullptr));
}

Ref<QVInkeyWindow> lastWindow() {
    return std::dynamic_pointer_cast<QVInkeyWindow>(AppDelegateGet()->inkeyWnd());
}

} // namespace

using KeyInput = InputTest;

TEST_F(KeyInput, WithoutAFormatAnyKeyAnswersItsCharacters) {
    // The first key ends the wait: an upper-case letter is typed with Shift held.
    for (const char* typed : {"a", "A", " "}) {
        ModalScript script;
        script.run().type(typed);
        EXPECT_EQ(keyInput(), typed);
        EXPECT_EQ(CUI_Event::shared().nsEvent()->characters()->utf8(), typed);
        EXPECT_FALSE(lastWindow()->isVisible());
        EXPECT_EQ(lastWindow()->cursorTimer(), nullptr);
    }
    // A key that types no character (a modifier, a dead key) ends the wait with no answer.
    ModalScript script;
    script.run().perform([] {
        platform::Event::Fields fields;
        fields.characters = String::create();
        lastWindow()->keyDown(std::make_shared<platform::Event>(fields, lastWindow()));
    });
    EXPECT_EQ(keyInput(), std::nullopt);
}

TEST_F(KeyInput, AKeyFormatConvertsAndFiltersTheKey) {
    struct Case {
        const char* characters;
        std::int64_t pass;
        std::int64_t caseOption;
        const char* typed;
        std::optional<std::string> answer;
    };
    const Case cases[] = {
        // Upper-case letters only: a lower-case key is accepted in upper case, a digit refused.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", NG, 3, "7q", "Q"},
        {"abc", NG, 2, "xB", "b"},
        {"abc", NG, NG, "dC", "C"},
        // Refusing x, y and z in either case.
        {"xyz", 0, NG, "xYw", "w"},
        // Case-sensitive: only a lower-case q; refusing m in its own case only.
        {"q", 1, 1, "Qq", "q"},
        {"m", 0, 1, "mM", "M"},
    };
    for (const Case& c : cases) {
        KeyFormatDefine(String::fromUtf8(c.characters), c.pass, c.caseOption);
        ModalScript script;
        script.run().type(c.typed);
        EXPECT_EQ(keyInput(), c.answer) << c.characters << " / " << c.typed;
    }
}

TEST_F(KeyInput, EscapeAnswersNothingWhateverTheFormatAndAnArrowItsFunctionKeyCharacter) {
    ModalScript script;
    script.run().press(Key::Left);
    EXPECT_EQ(keyInput(), "\xEF\x9C\x82");
    script.run().press(Key::Escape);
    EXPECT_EQ(keyInput(), std::nullopt);
    KeyFormatDefine(String::fromUtf8("abc"), NG, 3);
    script.run().type("9").press(Key::Escape);
    EXPECT_EQ(keyInput(), std::nullopt);
    // No characters clear the format: every key is accepted again.
    KeyFormatDefine(nullptr, NG, NG);
    EXPECT_EQ(currentKeyFormat(), nullptr);
    script.run().type("9");
    EXPECT_EQ(keyInput(), "9");
}

TEST_F(KeyInput, TheWindowFitsThePromptAndTheCursorAndMayBeNarrow) {
    const double cursorWidth = textWidth("_") + 5;
    for (const char* prompt : {static_cast<const char*>(nullptr), "Press any key to go on: "}) {
        const auto window =
            QVInkeyWindow::initWithPromptXY(prompt ? String::fromUtf8(prompt) : nullptr, NG, NG);
        const double cursorX = prompt ? 15 + textWidth(prompt) : 10;
        EXPECT_EQ(window->cursorLabel()->frame(), Rect(cursorX, 10, cursorWidth, 16));
        EXPECT_EQ(window->frame().size,
                  (platform::Size{std::max(40.0, cursorX + cursorWidth + 10), 36}));
        EXPECT_EQ(window->cursorLabel()->stringValue()->utf8(), "_");
        window->close();
    }
    EXPECT_LT(10 + cursorWidth + 10, 40) << "without a prompt the minimum must apply";
}

TEST_F(KeyInput, IsPlacedAsTheLineInputIs) {
    const auto game = frontWindow(Rect(100, 120, 500, 300));
    ModalScript script;
    script.run().type("z");
    EXPECT_EQ(InkeyWindowRun(300, 70, nullptr)->utf8(), "z");
    EXPECT_EQ(lastWindow()->frame().origin, (Point{400, 350}));
    game->close();
}

TEST_F(KeyInput, TheCursorBlinksWhileTheWindowWaitsForAKey) {
    // Watches the cursor from inside the modal run and presses a key after it has changed
    // three times.
    int changes = 0;
    std::optional<bool> lastHidden;
    Ref<QVInkeyWindow> watched;
    const auto watcher = platform::Timer::timerWithTimeIntervalRepeatsBlock(
        0.02, true, [&](const Ref<platform::Timer>& timer) {
            const auto window = lastWindow();
            if (!window || !window->isVisible())
                return;
            watched = window;
            const bool hidden = window->cursorLabel()->isHidden();
            if (lastHidden && *lastHidden != hidden)
                ++changes;
            lastHidden = hidden;
            if (changes == 3) {
                timer->invalidate();
                platform::testing::UserActions::typeCharacter(window, U'k');
            }
        });
    platform::RunLoop::addTimerForMode(watcher, platform::RunLoopMode::ModalPanel);
    ModalScript script;
    script.run();

    EXPECT_EQ(keyInput(), "k");
    EXPECT_EQ(changes, 3);
    ASSERT_TRUE(watched);
    EXPECT_EQ(watched->cursorTimer(), nullptr);
    watcher->invalidate();
}

TEST_F(KeyInput, ClosingTheWindowStopsTheBlinking) {
    // A run that ends without a key, as when the modal run is aborted from outside.
    const auto stopper = platform::Timer::timerWithTimeIntervalRepeatsBlock(
        0.01, true, [](const Ref<platform::Timer>& timer) {
            if (const auto window = lastWindow(); window && window->cursorTimer()) {
                timer->invalidate();
                platform::Application::shared()->abortModal();
            }
        });
    platform::RunLoop::addTimerForMode(stopper, platform::RunLoopMode::ModalPanel);
    ModalScript script;
    script.run();
    EXPECT_EQ(keyInput(), std::nullopt);
    ASSERT_TRUE(lastWindow());
    EXPECT_EQ(lastWindow()->cursorTimer(), nullptr);
    stopper->invalidate();
}
