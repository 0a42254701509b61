#include "platform/drawing/AttributedString.h"
#include "platform/drawing/BezierPath.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/Graphics.h"
#include "platform/drawing/LayoutManager.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace platform;
using platform::testing::Pixel;
using platform::testing::WindowSnapshot;

namespace {

// Paints itself with the function it was given.
class PaintView : public View {
public:
    PaintView(Rect frame, bool flipped, std::function<void()> paint)
        : View(frame), flipped_(flipped), paint_(std::move(paint)) {}
    bool isFlipped() const override { return flipped_; }
    void drawRect(Rect) override { paint_(); }

private:
    bool flipped_;
    std::function<void()> paint_;
};

Ref<View> swatch(Rect frame, Rect filled, Ref<Color> color, bool flipped) {
    return std::make_shared<PaintView>(frame, flipped, [=] {
        color->set();
        RectFill(filled);
    });
}

constexpr Pixel white{255, 255, 255, 255};
constexpr Pixel red{255, 0, 0, 255};
constexpr Pixel blue{0, 0, 255, 255};
constexpr Pixel black{0, 0, 0, 255};

} // namespace

TEST(Drawing, AGrabbedWindowShowsWhatItsViewsDrew) {
    const auto window = std::make_shared<Window>(Rect(0, 0, 550, 400), WindowStyleMask::Titled);
    window->setBackgroundColor(Color::blackColor());
    // Unflipped: the swatch sits at the bottom left.
    window->contentView()->addSubview(
        swatch(Rect(0, 0, 550, 400), Rect(0, 0, 100, 50), Color::colorWithRed(1, 0, 0, 1), false));
    // Flipped: the swatch sits at the top left of the view, which is the window's top right.
    window->contentView()->addSubview(swatch(Rect(450, 300, 100, 100), Rect(0, 0, 40, 30),
                                             Color::colorWithRed(0, 0, 1, 1), true));
    // A colour that is set strokes as well as fills.
    window->contentView()->addSubview(
        std::make_shared<PaintView>(Rect(200, 0, 100, 100), false, [] {
            Color::redColor()->set();
            const auto line = BezierPath::bezierPath();
            line->moveToPoint({0, 50});
            line->lineToPoint({100, 50});
            line->setLineWidth(4);
            line->stroke();
        }));
    window->orderFront();

    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(snapshot.pixelAt({250, 50}), red);
    ASSERT_EQ(snapshot.width(), 550);
    ASSERT_EQ(snapshot.height(), 400);
    EXPECT_EQ(snapshot.pixelAt({5, 5}), red);
    EXPECT_EQ(snapshot.pixelAt({99, 49}), red);
    EXPECT_EQ(snapshot.pixelAt({101, 5}), black);
    EXPECT_EQ(snapshot.pixelAt({5, 51}), black);
    EXPECT_EQ(snapshot.pixelAt({455, 395}), blue);
    EXPECT_EQ(snapshot.pixelAt({455, 365}), black);
    EXPECT_EQ(snapshot.pixelAt({300, 200}), black);
    window->close();
}

// Draws a full block in blue on red; checks where the block and its background land.
TEST(TextDrawing, GlyphsAndBackgroundStandBelowThePointInFlippedViewsAndAboveItOtherwise) {
    const auto font = Font::fontWithNameSize(*String::fromUtf8("Menlo"), 24);
    const double lineHeight = LayoutManager().defaultLineHeightForFont(*font);
    for (const bool flipped : {true, false}) {
        SCOPED_TRACE(flipped ? "flipped" : "unflipped");
        auto attributes = Dictionary::dictionary();
        attributes->setObjectForKey(font, FontAttributeName());
        attributes->setObjectForKey(Color::blueColor(), ForegroundColorAttributeName());
        attributes->setObjectForKey(Color::redColor(), BackgroundColorAttributeName());
        const auto text =
            AttributedString::create(String::fromUtf8("\u2588\t\u2588\n\u2588"), attributes);
        const double width = text->size().width;
        const auto window = std::make_shared<Window>(Rect(0, 0, 200, 200), WindowStyleMask::Titled);
        window->setBackgroundColor(Color::whiteColor());
        window->contentView()->addSubview(
            std::make_shared<PaintView>(Rect(0, 0, 200, 200), flipped, [&] {
                text->drawAtPoint({50, 100});
            }));
        window->orderFront();
        const WindowSnapshot snapshot(*window);
        // Content coordinates have y up: a flipped view puts the lines below y = 100, an
        // unflipped one above it, the second line under the first in both.
        const double middle = flipped ? 100 - lineHeight / 2 : 100 + lineHeight * 1.5;
        const double cell = AttributedString(String::fromUtf8("0"), attributes).size().width;
        EXPECT_EQ(snapshot.pixelAt({50 + cell / 2, middle}), blue);
        EXPECT_EQ(snapshot.pixelAt({50 + cell + 5, middle}), red); // the tab's gap
        EXPECT_EQ(snapshot.pixelAt({50 + 28 + cell / 2, middle}), blue);
        EXPECT_EQ(snapshot.pixelAt({50 + width + 2, middle}), white);
        EXPECT_EQ(snapshot.pixelAt({48, middle}), white);
        EXPECT_EQ(snapshot.pixelAt({60, flipped ? 103.0 : 97.0}), white);
        const double second = middle - lineHeight;
        EXPECT_EQ(snapshot.pixelAt({50 + cell / 2, second}), blue);
        EXPECT_EQ(snapshot.pixelAt({50 + 28 + cell / 2, second}), white);
        window->close();
    }
}

TEST(NamedColours, HaveTheirComponents) {
    struct Case {
        Ref<Color> colour;
        double red, green, blue, alpha;
    };
    const Case cases[] = {
        {Color::blueColor(), 0, 0, 1, 1},       {Color::brownColor(), 0.6, 0.4, 0.2, 1},
        {Color::cyanColor(), 0, 1, 1, 1},       {Color::greenColor(), 0, 1, 0, 1},
        {Color::magentaColor(), 1, 0, 1, 1},    {Color::orangeColor(), 1, 0.5, 0, 1},
        {Color::purpleColor(), 0.5, 0, 0.5, 1}, {Color::redColor(), 1, 0, 0, 1},
        {Color::yellowColor(), 1, 1, 0, 1},     {Color::clearColor(), 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.colour->description()->utf8());
        double components[4] = {-1, -1, -1, -1};
        c.colour->getRedGreenBlueAlpha(&components[0], &components[1], &components[2],
                                       &components[3]);
        EXPECT_EQ(std::vector<double>(components, components + 4),
                  (std::vector<double>{c.red, c.green, c.blue, c.alpha}));
    }
}
