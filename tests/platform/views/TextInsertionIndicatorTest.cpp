// The insertion indicator drawn in a real window: whether its caret shows for each display mode
// while its window is or is not the key window, and in which colour.

#include "platform/views/TextInsertionIndicator.h"
#include "platform/app/Application.h"
#include "platform/drawing/Color.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace platform;
using platform::testing::ModalScript;
using platform::testing::Pixel;
using platform::testing::WindowSnapshot;

TEST(TextInsertionIndicator, TheCaretShowsAsItsModeAndItsWindowSay) {
    using Mode = TextInsertionIndicatorDisplayMode;
    struct Case {
        const char* name;
        Mode mode;
        bool windowIsKey;
        bool coloured;
        // The middle of the caret: red, black or "none" for the window's background.
        const char* seen;
    };
    const Case cases[] = {
        {"automatic in the key window", Mode::Automatic, true, true, "red"},
        {"automatic in another window", Mode::Automatic, false, true, "none"},
        {"hidden in the key window", Mode::Hidden, true, true, "none"},
        {"visible in another window", Mode::Visible, false, true, "red"},
        {"no colour draws in the text colour", Mode::Visible, true, false, "black"},
    };
    // A caret that does not blink, so that a snapshot does not depend on when it is taken.
    const int flash = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    for (const Case& c : cases) {
        const auto mask = WindowStyleMask::Titled | WindowStyleMask::Closable;
        const auto holder = std::make_shared<Window>(Rect(100, 300, 80, 40), mask);
        const auto other = std::make_shared<Window>(Rect(300, 300, 80, 40), mask);
        const auto caret = std::make_shared<TextInsertionIndicator>(Rect(20, 10, 3, 20));
        holder->contentView()->addSubview(caret);
        caret->setColor(c.coloured ? Color::redColor() : nullptr);
        caret->setDisplayMode(c.mode);
        holder->orderFront(nullptr);
        std::string seen;
        ModalScript script;
        script.run().perform([&] {
            const Pixel pixel = WindowSnapshot(*holder).pixelAt(Point(21, 20));
            seen = pixel == Pixel{255, 0, 0, 255} ? "red"
                   : pixel == Pixel{0, 0, 0, 255} ? "black"
                                                  : "none";
            Application::shared()->stopModalWithCode(0);
        });
        Application::shared()->runModalForWindow(c.windowIsKey ? holder : other);
        EXPECT_EQ(seen, c.seen) << c.name;
        holder->close();
        other->close();
    }
    QApplication::setCursorFlashTime(flash);
}
