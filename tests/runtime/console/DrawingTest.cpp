#include "ConsoleTesting.h"

#include "platform/drawing/Color.h"
#include "platform/foundation/Number.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <string>

using namespace platform;
using namespace console_testing;
using platform::testing::Pixel;
using platform::testing::WindowSnapshot;

namespace {

constexpr Pixel white{255, 255, 255, 255};
constexpr Pixel red{255, 0, 0, 255};
constexpr Pixel green{0, 255, 0, 255};
constexpr Pixel blue{0, 0, 255, 255};
constexpr Pixel black{0, 0, 0, 255};

constexpr double windowWidth = 400;
constexpr double windowHeight = 400;

// A console filling a white window, drawing in a large font so that glyph interiors are easy
// to hit.
class ConsoleDrawing : public ::testing::Test {
protected:
    ConsoleDrawing() {
        window->setBackgroundColor(Color::whiteColor());
        window->contentView()->addSubview(console);
        console->setFontSize(24);
        L = lineHeightOf(menlo(24));
        cell = widthOf(u"0", console->currentAttributes());
        window->orderFront();
    }
    ~ConsoleDrawing() override { window->close(); }

    // The pixel at a point of the console's own (flipped) coordinates, for a console whose top
    // is at the top of the window.
    Pixel at(const WindowSnapshot& snapshot, Point point) const {
        return snapshot.pixelAt({point.x, windowHeight - point.y});
    }

    Ref<Window> window =
        std::make_shared<Window>(Rect(0, 0, windowWidth, windowHeight), WindowStyleMask::Titled);
    Ref<CUI_PrintToWindowView> console =
        CUI_PrintToWindowView::viewWithFrame({0, 0, windowWidth, windowHeight});
    double L = 0;
    double cell = 0;
};

const std::u16string blocks = u"\u2588\u2588";

} // namespace

// One scene of text, shapes and lines, and the colour expected at points of it.
TEST_F(ConsoleDrawing, TextShapesAndLinesShowInTheirColoursAndStyles) {
    // Two prints on one line, each in its own colour.
    console->setForegroundColor(Color::redColor());
    console->addString(str(blocks + u"\b"));
    console->setForegroundColor(Color::blueColor());
    console->addString(str(blocks));
    // A background colour behind the glyphs and the tab.
    console->setBackgroundColor(Color::greenColor());
    console->setForegroundColor(Color::blackColor());
    console->addString(str(u"\t\u2588"));
    console->resetAttributes();
    console->setFontSize(24);
    // A filled rectangle added later covers earlier text.
    console->setForegroundColor(Color::redColor());
    console->addString(str(blocks + blocks));
    console->setCurrentLineWidth(-1);
    console->addRectWithRectStrokeColorFillColor({0, 2 * L, 3 + 2 * cell, L}, nullptr,
                                                 Color::greenColor());
    // A negative line width fills without an outline; an oval's outline follows its curve.
    console->addRectWithRectStrokeColorFillColor({20, 100, 100, 60}, Color::redColor(),
                                                 Color::blueColor());
    console->setCurrentLineWidth(6);
    console->addOvalWithRectStrokeColorFillColor({200, 100, 100, 60}, Color::redColor(),
                                                 Color::blueColor());
    // A shape without a fill is only outlined; one without a stroke colour is stroked in the
    // colour current then.
    console->addRectWithRectStrokeColorFillColor({20, 180, 100, 40}, Color::redColor(), nullptr);
    console->addRectWithRectStrokeColorFillColor({200, 180, 100, 40}, nullptr, Color::greenColor());
    // A line with a negative width is not drawn; dashes leave gaps; a cap style other than 0
    // extends the line's ends.
    console->setCurrentStrokeColor(Color::redColor());
    console->setCurrentLineWidth(-1);
    console->addLinesFromCurrentLocation(pointList({{10, 240}, {300, 240}}), false);
    console->setCurrentLineWidth(4);
    console->addLinesFromCurrentLocation(pointList({{10, 250}, {300, 250}}), false);
    console->setCurrentStrokeColor(Color::blueColor());
    console->setCurrentLineDashPattern(
        Array::arrayWithObjects({Number::numberWithDouble(10), Number::numberWithDouble(10)}));
    console->addLinesFromCurrentLocation(pointList({{0, 270}, {200, 270}}), false);
    console->setCurrentLineDashPattern(nullptr);
    console->setCurrentStrokeColor(Color::redColor());
    console->setCurrentLineWidth(10);
    console->addLinesFromCurrentLocation(pointList({{50, 300}, {100, 300}}), false);
    console->setCurrentLineCapStyle(2); // square
    console->addLinesFromCurrentLocation(pointList({{50, 330}, {100, 330}}), false);

    const WindowSnapshot snapshot(*window);
    struct Probe {
        Point at;
        Pixel colour;
    };
    const double m = L / 2;
    const Probe probes[] = {
        {{3 + cell * 0.5, m}, red},
        {{3 + cell * 1.5, m}, red},
        {{3 + cell * 2.5, m}, blue},
        {{3 + cell * 3.5, m}, blue},
        {{3 + cell * 4.5, m}, white},
        {{3 + 14, L + m}, green},
        {{3 + 28 + cell / 2, L + m}, black},
        {{3 + 28 + cell + 2, L + m}, white},
        {{3 + cell * 0.5, 2 * L + m}, green},
        {{3 + cell * 3.5, 2 * L + m}, red},
        {{20.5, 130}, blue},
        {{70, 100.5}, blue},
        {{19.5, 130}, white},
        {{200.5, 130}, red},
        {{250, 130}, blue},
        {{205, 102}, white},
        {{20.5, 200}, red},
        {{70, 200}, white},
        {{198, 200}, green},
        {{150, 240}, white},
        {{150, 250}, red},
        {{5, 270}, blue},
        {{15, 270}, white},
        {{25, 270}, blue},
        {{98, 300}, red},
        {{103, 300}, white},
        {{103, 330}, red},
        {{47, 330}, red},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(at(snapshot, p.at), p.colour) << p.at;
    EXPECT_EQ(console->items().size(), 22u) << "the undrawn line stays in the list";
}

namespace {

// Every pixel of two images of the same window, compared.
int differingPixels(const WindowSnapshot& a, const WindowSnapshot& b) {
    int differences = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const Point p{x + 0.5, y + 0.5};
            differences += a.pixelAt(p) == b.pixelAt(p) ? 0 : 1;
        }
    return differences;
}

} // namespace

// A long console shown in the middle of its content: a redraw that leaves out the items
// outside the visible rows must give the very image that drawing every item gives, also where
// the content lies past the tallest widget the toolkit can make (16,777,215 points).
TEST_F(ConsoleDrawing, LeavingOutItemsOutsideTheRedrawnAreaChangesNoPixel) {
    for (const double origin : {0.0, 16'776'000.0}) {
        SCOPED_TRACE(origin);
        console->clear();
        console->setSkipsItemsOutsideDirtyRect(true);
        console->setCurrentPoint({3, origin});
        console->setFontSize(12);
        const double lineHeight = lineHeightOf(menlo());
        const Ref<Color> colours[] = {Color::redColor(), Color::blueColor(), Color::greenColor(),
                                      Color::textColor()};
        for (int i = 0; i < 3000; ++i) {
            console->setForegroundColor(colours[i % 4]);
            console->setBackgroundColor(i % 7 ? Color::clearColor() : Color::yellowColor());
            console->addString(str(u"Line\t" +
                                   std::u16string(static_cast<std::size_t>(i % 40), u'#') +
                                   (i % 5 ? u"" : u"\b")));
            if (i % 97 == 0) {
                const double y = console->currentPoint().y;
                console->setCurrentLineWidth(i % 2 ? 3 : -1);
                console->addOvalWithRectStrokeColorFillColor(
                    {50, y - 40, 120, 60}, i % 3 ? Color::magentaColor() : nullptr,
                    Color::cyanColor());
                // No stroke colour of its own: it takes the colour the oval left current.
                console->setCurrentStrokeColor(nullptr);
                console->addLinesFromCurrentLocation(pointList({{200, y - 30}, {380, y + 20}}),
                                                     false);
                console->setCurrentStrokeColor(Color::blackColor());
            }
        }
        // A shape far above the visible rows leaves its colour current for a line within them.
        const double top = origin + 1500 * lineHeight + 0.5;
        console->setCurrentLineWidth(2);
        console->addRectWithRectStrokeColorFillColor({0, origin, 10, 10}, Color::orangeColor(),
                                                     nullptr);
        console->setCurrentStrokeColor(nullptr);
        console->addLinesFromCurrentLocation(pointList({{0, top + 100}, {300, top + 150}}), false);
        // An item moved into view after it was added must be drawn there.
        const auto moved = console->items()[4];
        ASSERT_EQ(moved->string()->utf8(), "Line\t#");
        moved->setPt({100, top + 200});
        console->setFrameOrigin({0, windowHeight + top - console->frame().height()});

        const WindowSnapshot leavingOut(*window);
        console->setSkipsItemsOutsideDirtyRect(false);
        const WindowSnapshot drawingAll(*window);
        ASSERT_EQ(leavingOut.height(), drawingAll.height());
        EXPECT_EQ(differingPixels(leavingOut, drawingAll), 0);
        // Not a blank image: the lines in view show, the blue ones among them.
        bool blueShows = false;
        for (double x = 100; x < 140; ++x)
            for (double y = 200; y < 200 + lineHeight; ++y)
                blueShows = blueShows || at(drawingAll, {x, y}) == blue;
        EXPECT_TRUE(blueShows) << "the rows drawn are the ones in view";
    }
}

// Drawing keeps an index of where the items lie: an item moved after a draw, by its point or
// its rectangle, must be drawn where it now stands, in every console holding it.
TEST_F(ConsoleDrawing, AnItemMovedAfterADrawIsDrawnWhereItNowStandsInEveryConsoleHoldingIt) {
    console->setForegroundColor(Color::redColor());
    console->addString(str(blocks));
    console->addRectWithRectStrokeColorFillColor({0, 0, 10, 10}, nullptr, Color::blueColor());
    for (int i = 0; i < 200; ++i)
        console->addString(str(u"."));
    const auto other = makeConsole();
    other->setItems(console->items());
    // Show the rows from 1000 down, far below the first items.
    console->setFrameOrigin({0, windowHeight + 1000 - console->frame().height()});
    { const WindowSnapshot before(*window); }
    console->items()[0]->setPt({100, 1100});
    console->items()[2]->setRect({300, 1100, 20, 20});
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(at(snapshot, {100 + cell / 2, 100 + L / 2}), red);
    EXPECT_EQ(at(snapshot, {310, 110}), blue);
}

// The index keeps blocks of 64 items and first grows past 64 blocks: a shape drawn at the top
// as the first item it took then, with the later rows far below, shows when the top is in view.
TEST_F(ConsoleDrawing, AShapeThatOpensABlockOfTheGrownIndexIsDrawnWhereItStands) {
    console->setSkipsItemsOutsideDirtyRect(true);
    for (int i = 0; i < 2048; ++i)
        console->addString(str(u"Line"));
    console->addRectWithRectStrokeColorFillColor({200, 10, 50, 50}, nullptr, Color::blueColor());
    console->addString(str(u"Line"));
    ASSERT_EQ(console->items()[64 * 64]->type(), CUI_PrintToWindowItem::TypeRect);
    console->setFrameOrigin({0, windowHeight - console->frame().height()});
    EXPECT_EQ(at(WindowSnapshot(*window), {225, 35}), blue);
}
