#include "platform/app/Screen.h"
#include "platform/detail/ScreenGeometry.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/views/View.h"
#include "platform/windows/ViewController.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

QRect widgetGeometry(const View& view) {
    return view.peer().widget->geometry();
}

Ref<Window> titledWindow(Rect content) {
    return std::make_shared<Window>(content, WindowStyleMask::Titled | WindowStyleMask::Closable |
                                                 WindowStyleMask::Resizable);
}

} // namespace

TEST(WindowGeometry, TitledFrameAddsTheTitleBarAboveTheContent) {
    const auto window = titledWindow({100, 200, 550, 400});
    EXPECT_EQ(window->frame(), Rect(100, 200, 550, 400 + Window::TitleBarHeight));
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()), Rect(100, 200, 550, 400));
    EXPECT_EQ(window->contentView()->frame(), Rect(0, 0, 550, 400));

    const Rect borderless =
        Window::frameRectForContentRectStyleMask({5, 6, 70, 80}, WindowStyleMask::Borderless);
    EXPECT_EQ(borderless, Rect(5, 6, 70, 80));
}

TEST(WindowGeometry, ScreenOriginIsTheBottomLeftOfTheMainScreen) {
    const auto screen = Screen::mainScreen();
    ASSERT_TRUE(screen);
    EXPECT_EQ(screen->frame().origin, Point(0, 0));
    ASSERT_EQ(Screen::screens().size(), 1u);
    EXPECT_EQ(Screen::screens()[0]->frame(), screen->frame());
    const double height = screen->frame().height();

    const auto window = titledWindow({30, 40, 200, 100});
    // The toolkit measures from the top: the content's top edge is 140 points above the bottom.
    EXPECT_EQ(window->peer().widget->geometry(),
              QRect(30, static_cast<int>(height) - 140, 200, 100));

    // A move by the window manager comes back in screen coordinates.
    window->orderFront();
    window->peer().widget->setGeometry(50, static_cast<int>(height) - 300, 200, 100);
    EXPECT_EQ(window->frame(), Rect(50, 200, 200, 100 + Window::TitleBarHeight));
    window->close();
}

TEST(WindowGeometry, CenterPlacesTheWindowMidwayAcrossAndAboveTheMiddle) {
    const auto window = titledWindow({0, 0, 550, 400});
    window->center();
    const Rect visible = Screen::mainScreen()->visibleFrame();
    const Rect frame = window->frame();
    EXPECT_NEAR(frame.midX(), visible.midX(), 1);
    EXPECT_GT(frame.midY(), visible.midY());
    EXPECT_LE(frame.maxY(), visible.maxY());
}

TEST(WindowGeometry, SubviewFramesFollowTheSuperviewsFlippedness) {
    struct FlippedView : View {
        using View::View;
        bool isFlipped() const override { return true; }
    };
    const auto plain = std::make_shared<View>(Rect(0, 0, 300, 200));
    const auto flipped = std::make_shared<FlippedView>(Rect(0, 0, 300, 200));
    const auto inPlain = std::make_shared<View>(Rect(10, 20, 30, 40));
    const auto inFlipped = std::make_shared<View>(Rect(10, 20, 30, 40));
    plain->addSubview(inPlain);
    flipped->addSubview(inFlipped);

    EXPECT_EQ(widgetGeometry(*inPlain), QRect(10, 200 - 60, 30, 40));
    EXPECT_EQ(widgetGeometry(*inFlipped), QRect(10, 20, 30, 40));

    // Growing the superview keeps an unflipped subview at its distance from the bottom edge.
    plain->setFrameSize({300, 260});
    EXPECT_EQ(widgetGeometry(*inPlain), QRect(10, 260 - 60, 30, 40));

    // Points convert through both kinds of coordinate system.
    EXPECT_EQ(inPlain->convertPointToView({0, 0}, plain.get()), Point(10, 20));
    EXPECT_EQ(inFlipped->convertPointToView({0, 0}, flipped.get()), Point(10, 60));
    EXPECT_EQ(inFlipped->convertPointFromView({10, 60}, flipped.get()), Point(0, 0));
}

// A subview shares the superview's growth among its flexible parts.
TEST(WindowGeometry, AutoresizingSharesTheGrowthAmongTheFlexibleParts) {
    using namespace AutoresizingMask;
    const std::pair<std::uint64_t, Rect> cases[] = {
        {NotSizable, {20, 10, 100, 50}},
        {WidthSizable, {20, 10, 160, 50}},
        {HeightSizable, {20, 10, 100, 110}},
        {WidthSizable | HeightSizable, {20, 10, 160, 110}},
        {MinXMargin, {80, 10, 100, 50}},
        {MinYMargin, {20, 70, 100, 50}},
        {MinXMargin | MaxXMargin, {50, 10, 100, 50}},
        {MinXMargin | WidthSizable | MaxXMargin, {40, 10, 120, 50}},
        {MaxYMargin, {20, 10, 100, 50}},
    };
    for (const auto& [mask, expected] : cases) {
        const auto parent = std::make_shared<View>(Rect(0, 0, 200, 100));
        const auto child = std::make_shared<View>(Rect(20, 10, 100, 50));
        child->setAutoresizingMask(mask);
        parent->addSubview(child);
        parent->setFrameSize({260, 160});
        EXPECT_EQ(child->frame(), expected) << "mask " << mask;
    }
}

TEST(WindowGeometry, AViewCannotBecomeItsOwnAncestor) {
    const auto outer = std::make_shared<View>(Rect(0, 0, 10, 10));
    const auto inner = std::make_shared<View>(Rect(0, 0, 5, 5));
    outer->addSubview(inner);
    inner->addSubview(outer);
    outer->addSubview(outer);
    EXPECT_EQ(inner->superview(), outer);
    EXPECT_EQ(outer->superview(), nullptr);
    EXPECT_TRUE(inner->subviews().empty());
}

namespace {

// Makes a view of its own size, and counts how often it was asked to.
class CountingViewController : public ViewController {
public:
    void loadView() override { setView(std::make_shared<View>(Rect{30, 40, 200, 120})); }
    void viewDidLoad() override { ++loads; }
    int loads = 0;
};

} // namespace

TEST(WindowGeometry, AContentViewControllerLoadsItsViewOnceAndTheContentTakesItsSize) {
    const auto window = titledWindow({100, 200, 550, 400});
    const auto controller = std::make_shared<CountingViewController>();
    window->setContentViewController(controller);
    window->setContentViewController(controller);
    EXPECT_EQ(controller->loads, 1);
    EXPECT_EQ(window->contentView(), controller->view());
    EXPECT_EQ(window->contentView()->frame(), Rect(0, 0, 200, 120));
    // The top edge stays.
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()), Rect(100, 480, 200, 120));
    EXPECT_EQ(widgetGeometry(*controller->view()).size(), QSize(200, 120));

    window->setContentView(std::make_shared<View>());
    EXPECT_FALSE(window->contentViewController());
    // A controller of its own makes a plain view.
    window->setContentViewController(std::make_shared<ViewController>());
    ASSERT_TRUE(window->contentViewController());
    EXPECT_EQ(window->contentView(), window->contentViewController()->view());
}
