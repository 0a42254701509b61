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

namespace {

using Mode = TextInsertionIndicatorDisplayMode;

Ref<Window> plainWindow(double x) {
    return std::make_shared<Window>(Rect(x, 300, 80, 40),
                                    WindowStyleMask::Titled | WindowStyleMask::Closable);
}

} // namespace

TEST(TextInsertionIndicator, TheCaretShowsAsItsModeAndItsWindowSay) {
    struct Case {
        const char* name;
        Mode mode;
        bool windowIsKey;
        bool coloured;
        Pixel expected;
    };
    const Pixel red{255, 0, 0, 255};
    const Pixel black{0, 0, 0, 255};
    const Pixel background = [] {
        const auto empty = plainWindow(100);
        empty->orderFront(nullptr);
        const Pixel pixel = WindowSnapshot(*empty).pixelAt(Point(21, 20));
        empty->close();
        return pixel;
    }();
    const Case cases[] = {
        {"automatic in the key window", Mode::Automatic, true, true, red},
        {"automatic in another window", Mode::Automatic, false, true, background},
        {"hidden in the key window", Mode::Hidden, true, true, background},
        {"visible in another window", Mode::Visible, false, true, red},
        {"no colour draws in the text colour", Mode::Visible, true, false, black},
    };
    // A caret that does not blink, so that what a snapshot shows does not depend on when it is
    // taken.
    const int flash = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
    for (const Case& c : cases) {
        const auto holder = plainWindow(100);
        const auto other = plainWindow(300);
        const auto caret = std::make_shared<TextInsertionIndicator>(Rect(20, 10, 3, 20));
        holder->contentView()->addSubview(caret);
        if (c.coloured)
            caret->setColor(Color::redColor());
        caret->setDisplayMode(c.mode);
        holder->orderFront(nullptr);
        Pixel seen;
        ModalScript script;
        script.run().perform([&] {
            seen = WindowSnapshot(*holder).pixelAt(Point(21, 20));
            Application::shared()->stopModalWithCode(0);
        });
        Application::shared()->runModalForWindow(c.windowIsKey ? holder : other);
        EXPECT_EQ(seen, c.expected) << c.name;
        holder->close();
        other->close();
    }
    QApplication::setCursorFlashTime(flash);
}
