// Windows named by tags: the geometry and visibility WindowOpen gives, reopening, and lookups.

#include "ShellTesting.h"

#include "runtime/shell/ContentViewSC.h"
#include "runtime/shell/WindowSC.h"

#include "platform/app/Screen.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/Dictionary.h"
#include "platform/views/View.h"

#include <cmath>
#include <sstream>

using namespace shelltest;

namespace {

using Windows = ShellTest;

Rect contentOf(const Ref<platform::Window>& window) {
    return window->contentRectForFrameRect(window->frame());
}

// The window as "<title> <shown or hidden>[ key] <style mask> <content rectangle>".
std::string describe(const Ref<platform::Window>& window) {
    std::ostringstream line;
    line << window->title()->utf8() << (window->isVisible() ? " shown" : " hidden")
         << (window->isKeyWindow() ? " key " : " ") << window->styleMask() << " "
         << contentOf(window);
    return line.str();
}

bool isCentred(const Ref<platform::Window>& window) {
    return std::abs(window->frame().midX() -
                    platform::Screen::mainScreen()->visibleFrame().midX()) <= 1;
}

// An empty or negative rectangle gives 550 by 400, and one at the origin is centred.
TEST_F(Windows, ANewWindowGetsItsContentSizeAndPlace) {
    const std::pair<Rect, Rect> cases[] = {{{}, {0, 0, 550, 400}},
                                           {{10, 10, -5, 300}, {0, 0, 550, 400}},
                                           {{0, 0, 600, 300}, {0, 0, 600, 300}},
                                           {{10, 0, 300, 200}, {10, 0, 300, 200}}};
    for (const auto& [given, expected] : cases) {
        const auto window = openWindow(4, given);
        EXPECT_EQ(contentOf(window).size, expected.size);
        EXPECT_EQ(isCentred(window), expected.minX() == 0);
        if (expected.minX() != 0) {
            EXPECT_EQ(contentOf(window).origin, expected.origin);
        }
        window->close();
    }
}

TEST_F(Windows, ANewWindowIsShownKeyTitledWithTheDelegateAndAContentView) {
    WindowOpen(1, text("Pondaro"), kParamNotGiven, {10, 10, 400, 300});
    const auto window = WindowWithTag(1);
    ASSERT_TRUE(window);
    EXPECT_EQ(describe(window), "Pondaro shown key 15 {{10, 10}, {400, 300}}");
    EXPECT_EQ(window->delegate(), CUI_WindowDelegate::shared());
    EXPECT_TRUE(window->windowController());
    const auto content = std::dynamic_pointer_cast<ContentViewSC>(window->contentView());
    ASSERT_TRUE(content);
    EXPECT_EQ(content->identifier()->utf8(), "-1437226411");
    EXPECT_EQ(CurrentOutputWindowTag(), 1);
    EXPECT_TRUE(AppDelegateGet()->windows()->containsObject(window));
}

TEST_F(Windows, ReopeningShowsTheSameWindowRetitledAndResizedOnlyWhenGivenAFrame) {
    WindowOpen(-3, text("Hidden"), kParamNotGiven, {10, 10, 300, 200});
    const auto window = WindowWithTag(3);
    ASSERT_TRUE(window);
    EXPECT_EQ(describe(window), "Hidden hidden 15 {{10, 10}, {300, 200}}");
    const auto count = AppDelegateGet()->windows()->count();
    CurrentOutputWindowTagSet(9);
    WindowOpen(3, text("Shown"), kParamNotGiven, {});
    EXPECT_EQ(WindowWithTag(3), window);
    EXPECT_EQ(AppDelegateGet()->windows()->count(), count);
    EXPECT_EQ(describe(window), "Shown shown key 15 {{10, 10}, {300, 200}}");
    EXPECT_EQ(CurrentOutputWindowTag(), 3);
    WindowOpen(3, nullptr, platform::WindowStyleMask::Titled, {20, 30, 500, 100});
    EXPECT_EQ(describe(window), "Shown shown key 1 {{20, 30}, {500, 100}}");
    EXPECT_EQ(openWindow(5)->title()->utf8(), "Untitled");
}

TEST_F(Windows, TagZeroMakesAHiddenWindowNoLookupFindsEachTime) {
    const auto before = AppDelegateGet()->windows()->count();
    openWindow(0);
    openWindow(0);
    EXPECT_EQ(AppDelegateGet()->windows()->count(), before + 2);
    EXPECT_FALSE(WindowWithTag(0));
    const auto last =
        std::static_pointer_cast<platform::Window>(AppDelegateGet()->windows()->lastObject());
    EXPECT_FALSE(last->isVisible());
}

TEST_F(Windows, LookupsUseTheAbsoluteTagUpToTheThresholdOrTheReference) {
    const auto window = openWindow(7);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowWithTag(-7), window);
    EXPECT_EQ(WindowWithTag(TagOrRef(window)), window);
    EXPECT_FALSE(WindowWithTag(8));
    EXPECT_FALSE(WindowWithTag(TagOrRef(text("not a window"))));
    EXPECT_TRUE(openWindow(1000000));
    Additions::setTag(*window, 2000000);
    EXPECT_FALSE(WindowWithTag(2000000));
    EXPECT_FALSE(PopoverWithTag(2000000));
    const auto count = AppDelegateGet()->windows()->count();
    openWindow(-2000000);
    EXPECT_EQ(AppDelegateGet()->windows()->count(), count);
}

TEST_F(Windows, ResolvingTagZeroGivesTheCurrentWindowElseTheFrontOneAndWritesItsTagBack) {
    openWindow(11);
    openWindow(12);
    const std::int64_t cases[][3] = {{0, 11, 11}, {0, 0, 12}, {-11, 0, -11}};
    for (const auto& [given, current, written] : cases) {
        std::int64_t tag = given;
        CurrentOutputWindowTagSet(current);
        EXPECT_EQ(WindowResolve(tag), WindowWithTag(written));
        EXPECT_EQ(tag, written);
    }
}

// As the delegate holds the input window after its run: a closed window is off the screen, and
// no lookup finds it until it is shown again.
TEST_F(Windows, AClosedWindowIsFoundByNoLookupThoughSomethingHoldsIt) {
    const auto held = openWindow(14);
    EXPECT_EQ(CurrentContentView(), held->contentView());
    EXPECT_EQ(CurrentWindowObject(), held);
    held->close();
    EXPECT_EQ(CurrentOutputWindowTag(), 14);
    EXPECT_FALSE(WindowWithTag(14));
    EXPECT_FALSE(CurrentWindowObject());
    EXPECT_FALSE(CurrentContentView());
    EXPECT_FALSE(FrontWindow());
    std::int64_t tag = 0;
    EXPECT_FALSE(WindowResolve(tag));
    held->makeKeyAndOrderFront();
    EXPECT_EQ(FrontWindow(), held);
    held->close();
}

TEST_F(Windows, CentreAndBackgroundColourReachTheWindowAndIgnoreUnknownTags) {
    const auto window = openWindow(14, {10, 10, 200, 100});
    WindowCenter(14);
    EXPECT_TRUE(isCentred(window));
    WindowSetBackgroundColor(14, platform::Color::cyanColor());
    EXPECT_TRUE(window->backgroundColor()->isEqual(*platform::Color::cyanColor()));
    WindowCenter(99);
    WindowSetBackgroundColor(99, platform::Color::redColor());
}

TEST_F(Windows, ATagAPopoverHasOpensNothing) {
    const auto table = platform::Dictionary::dictionary();
    const auto popover = text("popover");
    table->setObjectForKey(popover, text("21"));
    PopoverRegistry()->addObject(table);
    CurrentOutputWindowTagSet(5);
    EXPECT_TRUE(WindowTagCheck(21));
    EXPECT_EQ(PopoverWithTag(21), popover);
    WindowOpen(21, nullptr, kParamNotGiven, {});
    PopoverRegistry()->removeAllObjects();
    EXPECT_FALSE(WindowWithTag(21));
    EXPECT_EQ(CurrentOutputWindowTag(), 5);
    // Both checks posted the notice.
    EXPECT_EQ(answerNotices(2), "alert warning [Window tag error.] [Windows and Popovers cannot "
                                "have same tag value.] <OK> <Quit>\n");
}

TEST_F(Windows, ASubclassRequestMakesOneWindowSCAndIsCleared) {
    WindowSubclassRequestSet(true);
    EXPECT_TRUE(std::dynamic_pointer_cast<WindowSC>(openWindow(15)));
    EXPECT_FALSE(WindowSubclassRequest());
    EXPECT_FALSE(std::dynamic_pointer_cast<WindowSC>(openWindow(16)));
}

TEST_F(Windows, TheViewWindowTagIsTheTagOfTheViewsWindow) {
    const auto view = std::make_shared<platform::View>(Rect{0, 0, 10, 10});
    EXPECT_EQ(ViewWindowTag(*view), 0);
    openWindow(-17)->contentView()->addSubview(view);
    EXPECT_EQ(ViewWindowTag(*view), 17);
}

} // namespace
