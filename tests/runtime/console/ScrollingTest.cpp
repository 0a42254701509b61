// Scrolling the console to its end in a real scroll view, down to the pixels a window shows.

#include "ConsoleTesting.h"

#include "runtime/console/CUI_PrintToWindowScrollView.h"
#include "runtime/console/ConsoleOperations.h"
#include "runtime/console/NamedColors.h"

#include "platform/foundation/Number.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/ClipView.h"
#include "platform/views/Scroller.h"

#include <utility>

using namespace console_testing;
using platform::Ref;

namespace {

class Scrolling : public ConsoleWindowTest {
protected:
    // A console in a window whose visible area is the given height.
    Ref<CUI_PrintToWindowView> consoleInWindowOfHeight(double height) {
        WindowOpen(1, text("Pondaro"), kParamNotGiven, {0, 0, 400, height});
        return ConsoleForWindowTag(1);
    }
    static Ref<platform::ClipView> clipOf(const CUI_PrintToWindowView& console) {
        return console.scrollView()->contentView();
    }
};

// In a visible height of 300 the end is H - 300 + 20, never above the top; the 20 points below
// the end are room the scroll view keeps, so scrolling further stops there too.
TEST_F(Scrolling, GoesTwentyPointsPastTheEndOnceTheConsoleAndThatRoomOverflow) {
    struct Case {
        double height;
        double origin;
        bool scroller;
    };
    for (const Case& c :
         {Case{100, 0, false}, Case{280, 0, false}, Case{290, 10, true}, Case{500, 220, true}}) {
        SCOPED_TRACE(c.height);
        const auto console = consoleInWindowOfHeight(300);
        console->setFrameSize({console->frame().width(), c.height});
        ScrollConsoleToEnd(console);
        EXPECT_EQ(clipOf(*console)->bounds().origin.y, c.origin);
        const auto scroller = console->scrollView()->verticalScroller();
        EXPECT_EQ(scroller->isHidden(), !c.scroller);
        if (c.scroller) {
            EXPECT_EQ(scroller->doubleValue(), 1.0) << "the scroller follows";
        }
        clipOf(*console)->scrollToPoint({0, c.height});
        console->scrollView()->reflectScrolledClipView(clipOf(*console));
        EXPECT_EQ(clipOf(*console)->bounds().origin.y, c.origin);
    }
    ScrollConsoleToEnd(nullptr);
}

TEST_F(Scrolling, TheRoomBelowTheEndOutlastsGrowthAndResizingAndGoesWithClear) {
    const auto console = consoleInWindowOfHeight(300);
    console->setFrameSize({console->frame().width(), 500});
    ScrollConsoleToEnd(console);
    console->setFrameSize({console->frame().width(), 520});
    WindowWithTag(1)->setContentSize({400, 320});
    EXPECT_EQ(clipOf(*console)->bounds().origin.y, 220);
    console->clear();
    EXPECT_EQ(clipOf(*console)->bounds().origin.y, 0);
}

// Printing does not scroll by itself, and the console is as wide as the visible area whether
// the scroller shows or not.
TEST_F(Scrolling, PrintingFollowsTheVisibleWidthButDoesNotScroll) {
    const auto console = consoleInWindowOfHeight(300);
    const auto scrollView = console->scrollView();
    const auto printUntilTheScrollerShows = [&] {
        for (int line = 0; line < 40; ++line)
            ConsolePrint({text("line")});
        ASSERT_FALSE(scrollView->verticalScroller()->isHidden());
    };
    printUntilTheScrollerShows();
    EXPECT_EQ(clipOf(*console)->bounds().origin.y, 0);
    EXPECT_EQ(console->frame().width(), scrollView->contentSize().width);
    ConsoleClear();
    ASSERT_TRUE(scrollView->verticalScroller()->isHidden());
    EXPECT_EQ(console->frame().width(), 400);
    printUntilTheScrollerShows();
    EXPECT_EQ(console->frame().width(), scrollView->contentSize().width);
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

// Two million lines reach far past the tallest widget the toolkit can make (16,777,215 points):
// the end, a marked line in the middle and a rectangle across that boundary each show where
// they belong, and the console keeps its whole height as its frame.
TEST_F(Scrolling, AConsoleOfTwoMillionLinesShowsEveryPartOfItWhereItBelongs) {
    const auto console = consoleInWindowOfHeight(300);
    const auto window = WindowWithTag(1);
    const Ref<platform::String> lines[] = {
        text("The quick brown fox jumps over the lazy dog, twice."),
        text("Pack my box with five dozen liquor jugs."),
        text("Sphinx of black quartz, judge my vow.")};
    const auto printMarked = [&](const Ref<platform::Color>& background) {
        console->setBackgroundColor(background);
        console->addString(text("MARKED"));
        console->setBackgroundColor(ColorWhite());
    };
    constexpr int count = 2'000'000;
    console->setBackgroundColor(ColorWhite());
    for (int line = 0; line < count; ++line) {
        if (line == count / 2)
            printMarked(ColorRed());
        console->addString(lines[line % 3]);
    }
    printMarked(ColorCyan());
    const double lineHeight = console->currentPoint().y / (count + 2);
    constexpr double boundary = 16'777'215;
    console->addRectWithRectStrokeColorFillColor({0, boundary - 10, 400, 20}, nullptr,
                                                 ColorGreen());
    EXPECT_EQ(console->frame().height(), console->viewH());
    EXPECT_GE(console->frame().height(), console->currentPoint().y + lineHeight);

    const platform::testing::Pixel red{255, 0, 0, 255};
    const platform::testing::Pixel cyan{0, 255, 255, 255};
    const platform::testing::Pixel green{0, 255, 0, 255};
    // The window's rows (from its bottom) that show a band of the console's rows.
    const auto rowsOf = [&](double top, double bottom) {
        const double shownTop = clipOf(*console)->bounds().minY();
        return std::pair{static_cast<int>(300 - (bottom - shownTop)) + 1,
                         static_cast<int>(300 - (top - shownTop)) - 1};
    };
    const auto expectOnlyThere = [&](platform::testing::Pixel color, double top, double bottom) {
        const platform::testing::WindowSnapshot snapshot(*window);
        const auto [low, high] = rowsOf(top, bottom);
        EXPECT_TRUE(showsColorBetween(snapshot, color, low, high));
        EXPECT_FALSE(showsColorBetween(snapshot, color, 0, low - 2));
        EXPECT_FALSE(showsColorBetween(snapshot, color, high + 2, snapshot.height()));
    };

    ScrollConsoleToEnd(console);
    const double last = (count + 1) * lineHeight;
    expectOnlyThere(cyan, last, last + lineHeight);
    const double middle = (count / 2) * lineHeight;
    clipOf(*console)->scrollToPoint({0, middle - 100});
    expectOnlyThere(red, middle, middle + lineHeight);
    clipOf(*console)->scrollToPoint({0, boundary - 150});
    expectOnlyThere(green, boundary - 10, boundary + 10);
}

} // namespace
