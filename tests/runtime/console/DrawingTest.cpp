#include "ConsoleTesting.h"

#include "platform/drawing/Color.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/Value.h"
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

constexpr double windowWidth = 400;
constexpr double windowHeight = 300;

// A console filling a white window, drawing in a large font so that glyph interiors are easy
// to hit.
class ConsoleDrawing : public ::testing::Test {
protected:
    ConsoleDrawing() {
        window->setBackgroundColor(Color::whiteColor());
        window->contentView()->addSubview(console);
        console->setFontSize(24);
        L = lineHeightOf(Font::fontWithNameSize(*String::fromUtf8("Menlo"), 24));
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

Ref<Array> pointList(std::initializer_list<Point> points) {
    auto list = Array::array();
    for (const Point p : points)
        list->addObject(Value::valueWithPoint(p));
    return list;
}

const std::u16string blocks = u"\u2588\u2588";

} // namespace

TEST_F(ConsoleDrawing, TwoPrintsOnOneLineEachKeepTheirColour) {
    console->setForegroundColor(Color::redColor());
    console->addString(str(blocks + u"\b"));
    console->setForegroundColor(Color::blueColor());
    console->addString(str(blocks));
    const WindowSnapshot snapshot(*window);
    const double middle = L / 2;
    EXPECT_EQ(at(snapshot, {3 + cell * 0.5, middle}), red);
    EXPECT_EQ(at(snapshot, {3 + cell * 1.5, middle}), red);
    EXPECT_EQ(at(snapshot, {3 + cell * 2.5, middle}), blue);
    EXPECT_EQ(at(snapshot, {3 + cell * 3.5, middle}), blue);
    EXPECT_EQ(at(snapshot, {3 + cell * 4.5, middle}), white);
    EXPECT_EQ(at(snapshot, {3 + cell * 0.5, L * 1.5}), white);
}

TEST_F(ConsoleDrawing, ABackgroundColourFillsBehindTheGlyphsAndTheTab) {
    console->setBackgroundColor(Color::greenColor());
    console->addString(str(u"\t\u2588\b"));
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(at(snapshot, {3 + 14, L / 2}), green);
    EXPECT_EQ(at(snapshot, {3 + 28 + cell / 2, L / 2}), Pixel({0, 0, 0, 255}));
    EXPECT_EQ(at(snapshot, {3 + 28 + cell + 2, L / 2}), white);
}

TEST_F(ConsoleDrawing, AFilledRectangleAddedLaterCoversEarlierText) {
    console->setForegroundColor(Color::redColor());
    console->addString(str(blocks + blocks));
    console->setCurrentLineWidth(-1);
    console->addRectWithRectStrokeColorFillColor({0, 0, 3 + 2 * cell, L}, nullptr,
                                                 Color::greenColor());
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(at(snapshot, {3 + cell * 0.5, L / 2}), green);
    EXPECT_EQ(at(snapshot, {3 + cell * 3.5, L / 2}), red);
}

TEST_F(ConsoleDrawing, ANegativeLineWidthFillsWithoutAnOutline) {
    console->setCurrentLineWidth(-1);
    console->addRectWithRectStrokeColorFillColor({20, 20, 100, 60}, Color::redColor(),
                                                 Color::blueColor());
    console->setCurrentLineWidth(6);
    console->addOvalWithRectStrokeColorFillColor({200, 20, 100, 60}, Color::redColor(),
                                                 Color::blueColor());
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(at(snapshot, {20.5, 50}), blue); // the rectangle's edge: no outline
    EXPECT_EQ(at(snapshot, {70, 20.5}), blue);
    EXPECT_EQ(at(snapshot, {19.5, 50}), white);
    EXPECT_EQ(at(snapshot, {200.5, 50}), red); // the oval's edge carries its outline
    EXPECT_EQ(at(snapshot, {250, 50}), blue);
    EXPECT_EQ(at(snapshot, {205, 22}), white); // outside the oval, inside its rectangle
}

TEST_F(ConsoleDrawing, AShapeWithoutAFillIsOnlyOutlined) {
    console->setCurrentLineWidth(4);
    console->addRectWithRectStrokeColorFillColor({20, 20, 100, 60}, Color::redColor(), nullptr);
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(at(snapshot, {20.5, 50}), red);
    EXPECT_EQ(at(snapshot, {70, 50}), white);
}

TEST_F(ConsoleDrawing, AShapeWithoutAStrokeColourIsStrokedInTheColourCurrentThen) {
    console->setCurrentLineWidth(6);
    console->addRectWithRectStrokeColorFillColor({20, 20, 100, 60}, nullptr, Color::greenColor());
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(at(snapshot, {18, 50}), green); // the outline, outside the filled area
}

TEST_F(ConsoleDrawing, ALineWithANegativeWidthIsNotDrawn) {
    console->setCurrentStrokeColor(Color::redColor());
    console->setCurrentLineWidth(-1);
    console->addLinesFromCurrentLocation(pointList({{10, 50}, {300, 50}}), false);
    console->setCurrentLineWidth(4);
    console->addLinesFromCurrentLocation(pointList({{10, 100}, {300, 100}}), false);
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(console->items().size(), 4u); // the undrawn line stays in the list
    EXPECT_EQ(at(snapshot, {150, 50}), white);
    EXPECT_EQ(at(snapshot, {150, 100}), red);
}

TEST_F(ConsoleDrawing, DashedLinesLeaveGaps) {
    console->setCurrentStrokeColor(Color::blueColor());
    console->setCurrentLineWidth(4);
    console->setCurrentLineDashPattern(
        Array::arrayWithObjects({Number::numberWithDouble(10), Number::numberWithDouble(10)}));
    console->addLinesFromCurrentLocation(pointList({{0, 100}, {200, 100}}), false);
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(at(snapshot, {5, 100}), blue);
    EXPECT_EQ(at(snapshot, {15, 100}), white);
    EXPECT_EQ(at(snapshot, {25, 100}), blue);
}

TEST_F(ConsoleDrawing, ACapStyleOtherThanZeroExtendsTheLineEnds) {
    console->setCurrentStrokeColor(Color::redColor());
    console->setCurrentLineWidth(10);
    console->addLinesFromCurrentLocation(pointList({{50, 100}, {100, 100}}), false);
    console->setCurrentLineCapStyle(2); // square
    console->addLinesFromCurrentLocation(pointList({{50, 200}, {100, 200}}), false);
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(at(snapshot, {98, 100}), red);
    EXPECT_EQ(at(snapshot, {103, 100}), white);
    EXPECT_EQ(at(snapshot, {103, 200}), red);
    EXPECT_EQ(at(snapshot, {47, 200}), red);
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
        const double lineHeight = lineHeightOf(defaultFont());
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

TEST_F(ConsoleDrawing, AnItemMovedAfterADrawIsDrawnWhereItNowStandsInEveryConsoleHoldingIt) {
    console->setForegroundColor(Color::redColor());
    console->addString(str(blocks));
    for (int i = 0; i < 200; ++i)
        console->addString(str(u"."));
    const auto other = makeConsole();
    other->setItems(console->items());
    // Show the rows from 1000 down, far below the first item.
    console->setFrameOrigin({0, windowHeight + 1000 - console->frame().height()});
    { const WindowSnapshot before(*window); }
    console->items()[0]->setPt({100, 1100});
    const WindowSnapshot snapshot(*window);
    EXPECT_EQ(at(snapshot, {100 + cell / 2, 100 + L / 2}), red);
}
