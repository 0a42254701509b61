#include "platform/drawing/Color.h"
#include "platform/drawing/Graphics.h"
#include "platform/foundation/String.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

using namespace platform;
using platform::testing::Pixel;
using platform::testing::WindowSnapshot;

namespace {

// Fills a rectangle of its own coordinates with a colour.
class SwatchView : public View {
public:
    SwatchView(Rect frame, Rect swatch, Ref<Color> color, bool flipped)
        : View(frame), swatch_(swatch), color_(std::move(color)), flipped_(flipped) {}
    bool isFlipped() const override { return flipped_; }
    void drawRect(Rect) override {
        color_->set();
        RectFill(swatch_);
    }

private:
    Rect swatch_;
    Ref<Color> color_;
    bool flipped_;
};

constexpr Pixel red{255, 0, 0, 255};
constexpr Pixel blue{0, 0, 255, 255};
constexpr Pixel black{0, 0, 0, 255};

} // namespace

TEST(Drawing, AGrabbedWindowShowsWhatItsViewsDrew) {
    const auto window = std::make_shared<Window>(Rect(0, 0, 550, 400), WindowStyleMask::Titled);
    window->setBackgroundColor(Color::blackColor());
    // Unflipped: the swatch sits at the bottom left.
    window->contentView()->addSubview(std::make_shared<SwatchView>(
        Rect(0, 0, 550, 400), Rect(0, 0, 100, 50), Color::colorWithRed(1, 0, 0, 1), false));
    // Flipped: the swatch sits at the top left of the view, which is the window's top right.
    window->contentView()->addSubview(std::make_shared<SwatchView>(
        Rect(450, 300, 100, 100), Rect(0, 0, 40, 30), Color::colorWithRed(0, 0, 1, 1), true));
    window->orderFront();

    const WindowSnapshot snapshot(*window);
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
        EXPECT_EQ(c.colour->redComponent(), c.red);
        EXPECT_EQ(c.colour->greenComponent(), c.green);
        EXPECT_EQ(c.colour->blueComponent(), c.blue);
        EXPECT_EQ(c.colour->alphaComponent(), c.alpha);
    }
}
