// The console in its window: which window receives prints, how a window gets its console, and
// the print, attribute, pen and clear operations as programs call them.

#include "ConsoleTesting.h"

#include "runtime/console/CUI_PrintToWindowScrollView.h"
#include "runtime/console/ConsoleOperations.h"
#include "runtime/console/NamedColors.h"

#include "platform/drawing/Color.h"
#include "platform/foundation/MutableString.h"
#include "platform/foundation/Number.h"
#include "platform/views/ClipView.h"

using namespace console_testing;
using platform::Ref;

namespace {

std::u16string printed(const CUI_PrintToWindowView& console) {
    return console.textString() ? console.textString()->utf16() : std::u16string();
}

// The print window.

using PrintWindow = ConsoleWindowTest;

TEST_F(PrintWindow, TheFirstPrintWithNoWindowOpensTheDefaultPrintWindow) {
    ConsolePrint({text("Hello")});
    const auto window = WindowWithTag(999999);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->title()->utf16(), u"\u2022 Print to Window \u2022");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->contentView()->frame().size, (platform::Size{550, 400}));
    EXPECT_EQ(GetPrintWindow(), window);
    EXPECT_EQ(printed(*ConsoleForWindowTag(999999)), u"Hello\n");
    EXPECT_EQ(platform::Application::shared()->windows().size(), 1u);
}

TEST_F(PrintWindow, PrintsGoToTheWindowLastOpenedElseToTheFrontWindow) {
    WindowOpen(1, text("Pondaro"), kParamNotGiven, {});
    ConsolePrint({text("one")});
    WindowOpen(2, text("Second"), kParamNotGiven, {});
    ConsolePrint({text("two")});
    CurrentOutputWindowTagSet(0);
    ConsolePrint({text("front")});
    EXPECT_EQ(printed(*ConsoleForWindowTag(1)), u"one\n");
    EXPECT_EQ(printed(*ConsoleForWindowTag(2)), u"two\nfront\n");
    EXPECT_FALSE(WindowWithTag(999999));
}

TEST_F(PrintWindow, AskingForTheConsoleOfAMissingWindowOpensNothing) {
    EXPECT_FALSE(ConsoleForWindowTag(0));
    EXPECT_FALSE(ConsoleForWindowTag(42));
    WindowOpen(42, text("Closed"), kParamNotGiven, {});
    WindowWithTag(42)->close();
    EXPECT_FALSE(ConsoleForWindowTag(42));
    EXPECT_TRUE(platform::Application::shared()->windows().empty());
}

// A window's console.

using WindowConsole = ConsoleWindowTest;

TEST_F(WindowConsole, AWindowHasOneConsoleFillingItsContentBelowItsOtherViews) {
    WindowOpen(1, text("Pondaro"), kParamNotGiven, {0, 0, 600, 300});
    const auto window = WindowWithTag(1);
    const auto control = std::make_shared<platform::View>(platform::Rect{10, 10, 50, 20});
    window->contentView()->addSubview(control);

    const auto console = ConsoleViewOfWindow(window);
    ASSERT_TRUE(console);
    EXPECT_EQ(ConsoleViewOfWindow(window), console);
    EXPECT_EQ(ConsoleForWindowTag(1), console);

    const auto& subviews = window->contentView()->subviews();
    ASSERT_EQ(subviews.size(), 2u);
    const auto scrollView = subviews[0]->as<CUI_PrintToWindowScrollView>();
    ASSERT_TRUE(scrollView) << "the console goes below the views already there";
    EXPECT_EQ(subviews[1], control);
    EXPECT_EQ(console->scrollView(), scrollView);
    EXPECT_EQ(scrollView->documentView(), console);
    EXPECT_EQ(scrollView->frame(), window->contentView()->bounds());
    EXPECT_EQ(console->frame().width(), scrollView->contentView()->bounds().width());
}

TEST_F(WindowConsole, FollowsTheWindowWhenItIsResized) {
    WindowOpen(1, text("Pondaro"), kParamNotGiven, {0, 0, 400, 300});
    const auto console = ConsoleForWindowTag(1);
    ConsolePrint({text("kept")});
    const platform::Point itemPoint = console->items()[0]->pt();
    WindowOpen(1, nullptr, kParamNotGiven, {0, 0, 700, 500});
    const auto scrollView = console->scrollView();
    EXPECT_EQ(scrollView->frame().size, (platform::Size{700, 500}));
    EXPECT_EQ(console->frame().width(), scrollView->contentView()->bounds().width());
    EXPECT_EQ(console->items()[0]->pt(), itemPoint);
}

// Printing.

using ConsolePrinting = ConsoleWindowTest;

TEST_F(ConsolePrinting, JoinsItsValuesIntoOneLine) {
    struct Case {
        const char* name;
        std::initializer_list<Ref<platform::Object>> values;
        std::u16string text;
    };
    const Case cases[] = {
        {"strings without separators", {text("Score:"), text(" 3")}, u"Score: 3\n"},
        {"a negative integer", {text("x"), platform::Number::numberWithInteger(-12)}, u"x-12\n"},
        {"a double", {platform::Number::numberWithDouble(2.5)}, u"2.5\n"},
        {"no values", {}, u"\n"},
        {"values up to the first absent one", {text("a"), nullptr, text("b")}, u"a\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ConsoleClear();
        ConsolePrint(c.values);
        EXPECT_EQ(printed(*ConsoleForWindowTag(0)), c.text);
    }
}

TEST_F(ConsolePrinting, ThePenPositionIsWhereTheNextPrintStarts) {
    ConsoleSetPenPosition(30, 50);
    ConsolePrint({text("here")});
    EXPECT_EQ(ConsoleForWindowTag(0)->items().at(0)->pt(), (platform::Point{30, 50}));
}

// What is not given keeps its value: a size of 0 or less is no size, but alignment 0 is given.
TEST_F(ConsolePrinting, SetTextSetsWhatIsGivenAndKeepsTheRest) {
    const auto console = ConsoleViewOfWindow(GetPrintWindow());
    ConsoleSetText(nullptr, 20, nullptr, ColorYellow(), 2, 40);
    EXPECT_EQ(console->currentAlignment(), 2);
    ConsoleSetText(nullptr, 0, ColorRed(), nullptr);
    ConsoleSetText(nullptr, -1, nullptr, nullptr, 0);
    EXPECT_EQ(console->currentAlignment(), 0);
    const auto expected = makeConsole();
    expected->setFontSize(20);
    expected->setForegroundColor(ColorRed());
    expected->setBackgroundColor(ColorYellow());
    expected->setTabInterval(40);
    EXPECT_TRUE(console->currentAttributes()->isEqual(*expected->currentAttributes()));
}

} // namespace
