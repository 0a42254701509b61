// Scrolling the console to its end in a real scroll view, down to the pixels a window shows.

#include "ConsoleWindowTesting.h"

#include "runtime/console/CUI_PrintToWindowScrollView.h"
#include "runtime/console/ConsoleOperations.h"
#include "runtime/console/NamedColors.h"

#include "platform/foundation/Number.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/ClipView.h"
#include "platform/views/Scroller.h"

using namespace console_testing;
using platform::Ref;

namespace {

class Scrolling : public ConsoleWindowTest {
protected:
    // A console in a window whose visible area is the given height.
    Ref<CUI_PrintToWindowView> consoleInWindowOfHeight(double height) {
        WindowOpen(1, utf8("Pondaro"), kParamNotGiven, {0, 0, 400, height});
        return ConsoleForWindowTag(1);
    }
    static Ref<platform::ClipView> clipOf(const CUI_PrintToWindowView& console) {
        return console.scrollView()->contentView();
    }
};

TEST_F(Scrolling, BringsTheEndOfATallConsoleIntoViewAndNoFurther) {
    const auto console = consoleInWindowOfHeight(300);
    console->setFrameSize({console->frame().width(), 500});
    ScrollConsoleToEnd(console);
    // Asked for 500 - 300 + 20 = 220, held at the end of the document.
    EXPECT_EQ(clipOf(*console)->bounds().origin.y, 200);
    EXPECT_EQ(clipOf(*console)->documentVisibleRect().maxY(), 500);
    const auto scroller = console->scrollView()->verticalScroller();
    EXPECT_FALSE(scroller->isHidden());
    EXPECT_EQ(scroller->doubleValue(), 1.0) << "the scroller follows";
}

TEST_F(Scrolling, AConsoleThatFitsStaysAtTheTop) {
    for (const double height : {100.0, 290.0}) {
        SCOPED_TRACE(height);
        const auto console = consoleInWindowOfHeight(300);
        console->setFrameSize({console->frame().width(), height});
        ScrollConsoleToEnd(console);
        EXPECT_EQ(clipOf(*console)->bounds().origin.y, 0);
        EXPECT_TRUE(console->scrollView()->verticalScroller()->isHidden());
    }
}

TEST_F(Scrolling, PrintingDoesNotScrollByItself) {
    const auto console = consoleInWindowOfHeight(300);
    for (int line = 0; line < 100; ++line)
        ConsolePrint({utf8("line")});
    EXPECT_EQ(clipOf(*console)->bounds().origin.y, 0);
}

TEST_F(Scrolling, TheConsoleIsAsWideAsTheVisibleAreaWhetherTheScrollerShowsOrNot) {
    const auto console = consoleInWindowOfHeight(300);
    const auto scrollView = console->scrollView();
    const auto printUntilTheScrollerShows = [&] {
        for (int line = 0; line < 40; ++line)
            ConsolePrint({utf8("line")});
        ASSERT_FALSE(scrollView->verticalScroller()->isHidden());
    };
    printUntilTheScrollerShows();
    EXPECT_EQ(console->frame().width(), scrollView->contentSize().width);
    ConsoleClear();
    ASSERT_TRUE(scrollView->verticalScroller()->isHidden());
    EXPECT_EQ(console->frame().width(), 400);
    printUntilTheScrollerShows();
    EXPECT_EQ(console->frame().width(), scrollView->contentSize().width);
}

TEST_F(Scrolling, AnAbsentConsoleIsIgnored) {
    ScrollConsoleToEnd(nullptr);
    EXPECT_TRUE(platform::Application::shared()->windows().empty());
}

// Whether the snapshot shows the colour somewhere in the rows between the two heights.
bool showsColorBetween(const platform::testing::WindowSnapshot& snapshot,
                       platform::testing::Pixel color, int bottom, int top) {
    for (int y = bottom; y < top; ++y)
        for (int x = 0; x < snapshot.width(); ++x)
            if (snapshot.pixelAt({static_cast<double>(x), static_cast<double>(y)}) == color)
                return true;
    return false;
}

TEST_F(Scrolling, AfterHundredsOfColouredLinesTheWindowShowsTheLastOne) {
    const auto console = consoleInWindowOfHeight(300);
    const auto window = WindowWithTag(1);
    Ref<platform::Color> (*const colors[])() = {ColorCyan, ColorGreen, ColorOrange, ColorYellow};
    for (int line = 0; line < 300; ++line) {
        ConsoleSetText(nullptr, 0, colors[line % 4](), nullptr);
        ConsolePrint({utf8("Line "), platform::Number::numberWithInteger(line)});
    }
    // The last line alone stands on red, which no other line uses.
    ConsoleSetText(nullptr, 0, ColorWhite(), ColorRed());
    ConsolePrint({utf8("THE END")});
    const platform::testing::Pixel red{255, 0, 0, 255};

    const platform::testing::WindowSnapshot before(*window);
    EXPECT_FALSE(showsColorBetween(before, red, 0, before.height()));

    ScrollConsoleToEnd(console);
    const platform::testing::WindowSnapshot after(*window);
    EXPECT_TRUE(showsColorBetween(after, red, 0, 60)) << "the last line, near the bottom";
    EXPECT_FALSE(showsColorBetween(after, red, 60, after.height()));
}

} // namespace
