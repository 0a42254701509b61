#include "platform/views/ScrollView.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Graphics.h"
#include "platform/testing/UserActions.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/ClipView.h"
#include "platform/views/Scroller.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <vector>

using namespace platform;
using platform::testing::Pixel;
using platform::testing::UserActions;
using platform::testing::WindowSnapshot;

namespace {

constexpr double DocumentHeight = 1000;
constexpr double VisibleHeight = 300;
constexpr double Width = 200;

// A document painted in bands of 100 points, red where its own y is below 100 and blue
// elsewhere, that remembers the rectangles it was asked to draw.
class BandedDocument : public View {
public:
    BandedDocument(Rect frame, bool flipped) : View(frame), flipped_(flipped) {}
    bool isFlipped() const override { return flipped_; }
    void drawRect(Rect dirtyRect) override {
        dirtyRects.push_back(dirtyRect);
        Color::blueColor()->set();
        RectFill(dirtyRect);
        Color::redColor()->set();
        RectFill(dirtyRect.intersection({0, 0, bounds().width(), 100}));
    }
    std::vector<Rect> dirtyRects;

private:
    bool flipped_;
};

struct Scene {
    explicit Scene(bool flipped, double documentHeight = DocumentHeight)
        : window(std::make_shared<Window>(Rect{100, 100, Width, VisibleHeight},
                                          WindowStyleMask::Titled | WindowStyleMask::Resizable)),
          scrollView(std::make_shared<ScrollView>(Rect{0, 0, Width, VisibleHeight})),
          document(std::make_shared<BandedDocument>(Rect{0, 0, Width, documentHeight}, flipped)) {
        scrollView->setHasVerticalScroller(true);
        scrollView->setAutohidesScrollers(true);
        scrollView->setDrawsBackground(false);
        scrollView->setAutoresizingMask(AutoresizingMask::WidthSizable |
                                        AutoresizingMask::HeightSizable);
        document->setAutoresizingMask(AutoresizingMask::WidthSizable);
        scrollView->setDocumentView(document);
        window->contentView()->addSubview(scrollView);
        window->makeKeyAndOrderFront();
    }
    ~Scene() { window->close(); }

    Ref<Window> window;
    Ref<ScrollView> scrollView;
    Ref<BandedDocument> document;
};

QScrollBar* scrollBarOf(const ScrollView& scrollView) {
    return qobject_cast<QScrollBar*>(scrollView.verticalScroller()->peer().widget.data());
}

bool isRed(const Pixel& pixel) {
    return pixel.red > 200 && pixel.blue < 50;
}

class ScrollViewOfDocument : public ::testing::TestWithParam<bool> {};

} // namespace

INSTANTIATE_TEST_SUITE_P(FlippedAndUnflipped, ScrollViewOfDocument, ::testing::Bool(),
                         [](const auto& param) { return param.param ? "Flipped" : "Unflipped"; });

TEST_P(ScrollViewOfDocument, ScrollingToTheOriginShowsTheDocumentsOriginCorner) {
    const Scene scene(GetParam());
    const auto clip = scene.scrollView->contentView();
    EXPECT_EQ(clip->isFlipped(), GetParam());
    EXPECT_EQ(clip->bounds().origin, Point(0, 0));
    // The origin corner is the top of a flipped document and the bottom of an unflipped one.
    EXPECT_EQ(scene.scrollView->documentVisibleRect(),
              Rect(0, 0, clip->bounds().width(), VisibleHeight));

    const WindowSnapshot snapshot(*scene.window);
    const bool redAtTop = isRed(snapshot.pixelAt({20, VisibleHeight - 5}));
    const bool redAtBottom = isRed(snapshot.pixelAt({20, 5}));
    EXPECT_EQ(redAtTop, GetParam());
    EXPECT_EQ(redAtBottom, !GetParam());
}

TEST_P(ScrollViewOfDocument, TheDocumentDrawsOnlyWhatIsInView) {
    const Scene scene(GetParam());
    const auto clip = scene.scrollView->contentView();
    clip->scrollToPoint({0, 400});
    const Rect visible = scene.scrollView->documentVisibleRect();
    EXPECT_EQ(visible, Rect(0, 400, clip->bounds().width(), VisibleHeight));

    scene.document->dirtyRects.clear();
    const WindowSnapshot snapshot(*scene.window);
    ASSERT_FALSE(scene.document->dirtyRects.empty());
    for (const Rect& dirty : scene.document->dirtyRects) {
        EXPECT_GE(dirty.minY(), visible.minY()) << dirty;
        EXPECT_LE(dirty.maxY(), visible.maxY()) << dirty;
    }
    // The band at y < 100 is out of view, wherever it lies on screen.
    for (const double y : {5.0, VisibleHeight / 2, VisibleHeight - 5})
        EXPECT_FALSE(isRed(snapshot.pixelAt({20, y}))) << "at " << y;
}

TEST_P(ScrollViewOfDocument, APositionPastTheEndShowsTheEndAndTheScrollerFollows) {
    const Scene scene(GetParam());
    const auto clip = scene.scrollView->contentView();
    const double end = DocumentHeight - VisibleHeight;
    clip->scrollToPoint({0, end + 20});
    scene.scrollView->reflectScrolledClipView(clip);
    EXPECT_EQ(clip->bounds().origin, Point(0, end));

    const auto scroller = scene.scrollView->verticalScroller();
    // The scroller counts from the top of the document, whichever way it is flipped.
    EXPECT_DOUBLE_EQ(scroller->doubleValue(), GetParam() ? 1.0 : 0.0);
    EXPECT_DOUBLE_EQ(scroller->knobProportion(), VisibleHeight / DocumentHeight);
    const QScrollBar* bar = scrollBarOf(*scene.scrollView);
    EXPECT_EQ(bar->value(), GetParam() ? bar->maximum() : 0);

    clip->scrollToPoint({0, -50});
    EXPECT_EQ(clip->bounds().origin, Point(0, 0));
}

TEST_P(ScrollViewOfDocument, TheWheelMovesTowardsTheTopWhenRolledAway) {
    const Scene scene(GetParam());
    const auto clip = scene.scrollView->contentView();
    clip->scrollToPoint({0, 400});
    const double step = QApplication::wheelScrollLines() * scene.scrollView->verticalLineScroll();

    UserActions::rollWheel(scene.scrollView, 1);
    // Towards the top: smaller y in a flipped document, larger in an unflipped one.
    EXPECT_EQ(clip->bounds().origin.y, GetParam() ? 400 - step : 400 + step);
    UserActions::rollWheel(scene.scrollView, -2);
    EXPECT_EQ(clip->bounds().origin.y, GetParam() ? 400 + step : 400 - step);
    UserActions::rollWheel(scene.scrollView, GetParam() ? -1000 : 1000);
    EXPECT_EQ(clip->bounds().origin.y, DocumentHeight - VisibleHeight) << "kept inside";
}

TEST_P(ScrollViewOfDocument, MovingTheScrollerScrollsTheDocument) {
    const Scene scene(GetParam());
    QScrollBar* bar = scrollBarOf(*scene.scrollView);
    ASSERT_NE(bar, nullptr);
    bar->setValue(100);
    // 100 points below the top of the document.
    const Rect visible = scene.scrollView->documentVisibleRect();
    EXPECT_EQ(GetParam() ? visible.minY() : DocumentHeight - visible.maxY(), 100);
}

TEST(ScrollView, TheScrollerShowsOnlyWhileTheDocumentIsTallerThanTheView) {
    const Scene scene(true, 100);
    const auto scroller = scene.scrollView->verticalScroller();
    const auto clip = scene.scrollView->contentView();
    EXPECT_TRUE(scroller->isHidden());
    EXPECT_FALSE(scrollBarOf(*scene.scrollView)->isVisible());
    EXPECT_EQ(scene.scrollView->contentSize(), Size(Width, VisibleHeight));

    scene.document->setFrameSize({scene.document->frame().width(), 800});
    EXPECT_FALSE(scroller->isHidden());
    EXPECT_TRUE(scrollBarOf(*scene.scrollView)->isVisible());
    const double narrower = Width - Scroller::scrollerWidth();
    EXPECT_EQ(scene.scrollView->contentSize(), Size(narrower, VisibleHeight));
    EXPECT_EQ(scene.document->frame().width(), narrower) << "the document follows the clip view";
    EXPECT_EQ(scroller->frame(), Rect(narrower, 0, Scroller::scrollerWidth(), VisibleHeight));

    scene.document->setFrameSize({scene.document->frame().width(), VisibleHeight});
    EXPECT_TRUE(scroller->isHidden());
    EXPECT_EQ(scene.document->frame().width(), Width);
}

TEST(ScrollView, WithoutAutohidingTheScrollerStaysAndWithoutOneItNeverShows) {
    const Scene scene(true, 100);
    scene.scrollView->setAutohidesScrollers(false);
    EXPECT_FALSE(scene.scrollView->verticalScroller()->isHidden());
    scene.scrollView->setHasVerticalScroller(false);
    scene.document->setFrameSize({Width, 2000});
    EXPECT_TRUE(scene.scrollView->verticalScroller()->isHidden());
    EXPECT_EQ(scene.scrollView->contentSize(), Size(Width, VisibleHeight));
}

TEST(ScrollView, AShrinkingDocumentOrGrowingViewKeepsThePositionInsideTheDocument) {
    const Scene scene(true);
    const auto clip = scene.scrollView->contentView();
    clip->scrollToPoint({0, DocumentHeight});
    scene.document->setFrameSize({scene.document->frame().width(), 500});
    EXPECT_EQ(clip->bounds().origin, Point(0, 200));

    // The window grows by 100 points: the scroll view follows and shows the end still.
    scene.window->setContentSize({Width, VisibleHeight + 100});
    EXPECT_EQ(scene.scrollView->contentSize().height, VisibleHeight + 100);
    EXPECT_EQ(clip->bounds().origin, Point(0, 100));
}

// The clip view holds the document, which is in the window; a new document takes its place.
TEST(ScrollView, TheClipViewHoldsTheDocumentUntilAnotherTakesItsPlace) {
    const Scene scene(true);
    EXPECT_EQ(scene.document->superview(), scene.scrollView->contentView());
    EXPECT_EQ(scene.document->window(), scene.window);
    const auto other = std::make_shared<View>(Rect{0, 0, Width, 50});
    scene.scrollView->setDocumentView(other);
    EXPECT_EQ(scene.scrollView->contentView()->subviews(), std::vector<Ref<View>>{other});
    EXPECT_FALSE(scene.document->superview());
}

TEST(ScrollView, WithoutItsBackgroundTheWindowShowsThroughBelowAShortDocument) {
    const Scene scene(true, 100);
    scene.window->setBackgroundColor(Color::greenColor());
    const auto below = [&scene] { return WindowSnapshot(*scene.window).pixelAt({20, 5}); };
    EXPECT_EQ(below(), (Pixel{0, 255, 0, 255}));
    scene.scrollView->setDrawsBackground(true);
    scene.scrollView->setBackgroundColor(Color::whiteColor());
    EXPECT_EQ(below(), (Pixel{255, 255, 255, 255}));
    // The short flipped document stays at the top.
    EXPECT_TRUE(isRed(WindowSnapshot(*scene.window).pixelAt({20, VisibleHeight - 5})));
}
