// Windows named by tags: the geometry and visibility WindowOpen gives, reopening, and lookups.

#include "ShellTesting.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/ContentViewSC.h"
#include "runtime/shell/WindowSC.h"

#include "platform/app/Application.h"
#include "platform/app/Screen.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/views/View.h"

#include <cmath>

using namespace shelltest;
using platform::Rect;
using platform::Ref;
using platform::String;

namespace {

using Windows = ShellTest;

Rect contentOf(const Ref<platform::Window>& window) {
    return window->contentRectForFrameRect(window->frame());
}

bool isCentred(const Ref<platform::Window>& window) {
    const Rect visible = platform::Screen::mainScreen()->visibleFrame();
    const Rect frame = window->frame();
    return std::abs(frame.midX() - visible.midX()) <= 1;
}

// An empty or negative rectangle gives 550 by 400, and one at the origin is centred.
TEST_F(Windows, ANewWindowGetsItsContentSizeAndPlace) {
    struct Case {
        Rect given;
        platform::Size size;
        bool centred;
    };
    const Case cases[] = {{{}, {550, 400}, true},
                          {{10, 10, -5, 300}, {550, 400}, true},
                          {{0, 0, 600, 300}, {600, 300}, true},
                          {{10, 0, 300, 200}, {300, 200}, false}};
    for (const Case& c : cases) {
        WindowOpen(4, String::fromUtf8("Four"), kParamNotGiven, c.given);
        const auto window = WindowWithTag(4);
        EXPECT_EQ(contentOf(window).size, c.size);
        EXPECT_EQ(isCentred(window), c.centred);
        if (!c.centred) {
            EXPECT_EQ(contentOf(window).origin, c.given.origin);
        }
        window->close();
    }
}

TEST_F(Windows, ANewWindowIsShownKeyTitledWithTheDelegateAndAContentView) {
    WindowOpen(1, String::fromUtf8("Pondaro"), kParamNotGiven, {0, 0, 400, 300});
    const auto window = WindowWithTag(1);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->title()->utf8(), "Pondaro");
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isKeyWindow());
    EXPECT_EQ(window->styleMask(), 15u);
    EXPECT_EQ(window->delegate(), CUI_WindowDelegate::shared());
    EXPECT_TRUE(window->windowController());
    const auto content = std::dynamic_pointer_cast<ContentViewSC>(window->contentView());
    ASSERT_TRUE(content);
    EXPECT_EQ(content->identifier()->utf8(), "-1437226411");
    EXPECT_EQ(CurrentOutputWindowTag(), 1);
    EXPECT_TRUE(AppDelegateGet()->windows()->containsObject(window));
}

TEST_F(Windows, ReopeningRetitlesAndShowsTheSameWindowWithoutChangingItsFrame) {
    WindowOpen(-3, String::fromUtf8("Hidden"), kParamNotGiven, {10, 10, 300, 200});
    const auto window = WindowWithTag(3);
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(CurrentOutputWindowTag(), 3);
    const Rect frame = window->frame();
    const auto count = AppDelegateGet()->windows()->count();
    CurrentOutputWindowTagSet(9);
    WindowOpen(3, String::fromUtf8("Shown"), kParamNotGiven, {});
    EXPECT_EQ(WindowWithTag(3), window);
    EXPECT_EQ(AppDelegateGet()->windows()->count(), count);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->title()->utf8(), "Shown");
    EXPECT_EQ(window->frame(), frame);
    EXPECT_EQ(CurrentOutputWindowTag(), 3);
}

TEST_F(Windows, ReopeningWithARectangleAndAStyleResizesAndRestyles) {
    WindowOpen(5, nullptr, kParamNotGiven, {10, 10, 300, 200});
    WindowOpen(5, nullptr, platform::WindowStyleMask::Titled, {20, 30, 500, 100});
    const auto window = WindowWithTag(5);
    EXPECT_EQ(contentOf(window), (Rect{20, 30, 500, 100}));
    EXPECT_EQ(window->styleMask(), platform::WindowStyleMask::Titled);
    EXPECT_EQ(window->title()->utf8(), "Untitled");
}

TEST_F(Windows, TagZeroMakesAHiddenWindowNoLookupFindsEachTime) {
    const auto before = AppDelegateGet()->windows()->count();
    WindowOpen(0, nullptr, kParamNotGiven, {});
    WindowOpen(0, nullptr, kParamNotGiven, {});
    EXPECT_EQ(AppDelegateGet()->windows()->count(), before + 2);
    EXPECT_FALSE(WindowWithTag(0));
    const auto last =
        std::static_pointer_cast<platform::Window>(AppDelegateGet()->windows()->lastObject());
    EXPECT_FALSE(last->isVisible());
}

TEST_F(Windows, LookupsUseTheAbsoluteTagUpToTheThresholdOrTheReference) {
    WindowOpen(7, nullptr, kParamNotGiven, {});
    const auto window = WindowWithTag(7);
    ASSERT_TRUE(window);
    EXPECT_EQ(WindowWithTag(-7), window);
    EXPECT_EQ(WindowWithTag(TagOrRef(window)), window);
    EXPECT_FALSE(WindowWithTag(8));
    EXPECT_FALSE(WindowWithTag(TagOrRef(String::fromUtf8("not a window"))));
    WindowOpen(1000000, nullptr, kParamNotGiven, {});
    EXPECT_TRUE(WindowWithTag(1000000));
    Additions::setTag(*window, 2000000);
    EXPECT_FALSE(WindowWithTag(2000000));
    EXPECT_FALSE(PopoverWithTag(2000000));
    const auto count = AppDelegateGet()->windows()->count();
    WindowOpen(-2000000, nullptr, kParamNotGiven, {});
    EXPECT_EQ(AppDelegateGet()->windows()->count(), count);
}

TEST_F(Windows, ResolvingTagZeroGivesTheCurrentWindowElseTheFrontOneAndWritesItsTagBack) {
    WindowOpen(11, nullptr, kParamNotGiven, {});
    WindowOpen(12, nullptr, kParamNotGiven, {});
    std::int64_t tag = 0;
    CurrentOutputWindowTagSet(11);
    EXPECT_EQ(WindowResolve(tag), WindowWithTag(11));
    EXPECT_EQ(tag, 11);
    tag = 0;
    CurrentOutputWindowTagSet(0);
    EXPECT_EQ(WindowResolve(tag), WindowWithTag(12));
    EXPECT_EQ(tag, 12);
    tag = -11;
    EXPECT_EQ(WindowResolve(tag), WindowWithTag(11));
    EXPECT_EQ(tag, -11);
}

// As the delegate holds the input window after its run: a closed window is off the screen, and
// no lookup finds it until it is shown again.
TEST_F(Windows, AClosedWindowIsFoundByNoLookupThoughSomethingHoldsIt) {
    WindowOpen(14, nullptr, kParamNotGiven, {});
    const auto held = WindowWithTag(14);
    held->close();
    EXPECT_FALSE(WindowWithTag(14));
    EXPECT_FALSE(CurrentWindowObject());
    EXPECT_FALSE(FrontWindow());
    std::int64_t tag = 0;
    EXPECT_FALSE(WindowResolve(tag));
    held->makeKeyAndOrderFront();
    EXPECT_EQ(FrontWindow(), held);
    held->close();
}

TEST_F(Windows, TheCurrentContentViewFollowsTheCurrentTagAndOutlivesNothing) {
    WindowOpen(13, nullptr, kParamNotGiven, {});
    const auto window = WindowWithTag(13);
    EXPECT_EQ(CurrentContentView(), window->contentView());
    EXPECT_EQ(CurrentWindowObject(), window);
    window->close();
    EXPECT_EQ(CurrentOutputWindowTag(), 13);
    EXPECT_FALSE(CurrentWindowObject());
    EXPECT_FALSE(CurrentContentView());
}

TEST_F(Windows, CentreAndBackgroundColourReachTheWindowAndIgnoreUnknownTags) {
    WindowOpen(14, nullptr, kParamNotGiven, {10, 10, 200, 100});
    const auto window = WindowWithTag(14);
    WindowCenter(14);
    EXPECT_TRUE(isCentred(window));
    WindowSetBackgroundColor(14, platform::Color::cyanColor());
    EXPECT_TRUE(window->backgroundColor()->isEqual(*platform::Color::cyanColor()));
    WindowCenter(99);
    WindowSetBackgroundColor(99, platform::Color::redColor());
}

TEST_F(Windows, ATagAPopoverHasOpensNothing) {
    const auto table = platform::Dictionary::dictionary();
    const auto popover = String::fromUtf8("popover");
    table->setObjectForKey(popover, String::fromUtf8("21"));
    PopoverRegistry()->addObject(table);
    CurrentOutputWindowTagSet(5);
    EXPECT_TRUE(WindowTagCheck(21));
    EXPECT_EQ(PopoverWithTag(21), popover);
    WindowOpen(21, nullptr, kParamNotGiven, {});
    PopoverRegistry()->removeAllObjects();
    EXPECT_FALSE(WindowWithTag(21));
    EXPECT_EQ(CurrentOutputWindowTag(), 5);
    // Both checks posted the notice; it shows once the loop runs.
    platform::testing::ModalScript script;
    script.run();
    script.run().clickButton(0);
    script.run().clickButton(0);
    const auto seen = runUntilAlertsAnswered();
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen[0].description(), "alert warning [Window tag error.] [Windows and Popovers "
                                     "cannot have same tag value.] <OK> <Quit>");
}

TEST_F(Windows, ASubclassRequestMakesOneWindowSCAndIsCleared) {
    WindowSubclassRequestSet(true);
    WindowOpen(15, nullptr, kParamNotGiven, {});
    EXPECT_TRUE(std::dynamic_pointer_cast<WindowSC>(WindowWithTag(15)));
    EXPECT_FALSE(WindowSubclassRequest());
    WindowOpen(16, nullptr, kParamNotGiven, {});
    EXPECT_FALSE(std::dynamic_pointer_cast<WindowSC>(WindowWithTag(16)));
}

TEST_F(Windows, TheViewWindowTagIsTheTagOfTheViewsWindow) {
    WindowOpen(-17, nullptr, kParamNotGiven, {});
    const auto view = std::make_shared<platform::View>(Rect{0, 0, 10, 10});
    EXPECT_EQ(ViewWindowTag(*view), 0);
    WindowWithTag(17)->contentView()->addSubview(view);
    EXPECT_EQ(ViewWindowTag(*view), 17);
}

} // namespace
