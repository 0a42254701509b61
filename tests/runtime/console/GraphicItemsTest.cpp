#include "ConsoleTesting.h"

#include "platform/drawing/Color.h"
#include "platform/foundation/Number.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using namespace platform;
using namespace console_testing;

namespace {

using Segments = std::vector<std::pair<Point, Point>>;

// From the graphic pen each point ends one segment; without it the run starts at its first
// point, so one point only moves the pen; an empty list adds nothing and keeps the pen.
TEST(LineRuns, EachPointEndsASegmentFromThePenOrFromTheFirstPoint) {
    struct Case {
        std::initializer_list<Point> points;
        bool fromPen;
        Segments segments;
        Point pen;
    };
    const Case cases[] = {
        {{{7, 8}}, false, {}, {7, 8}},
        {{{10, 10}, {20, 5}, {30, 40}},
         true,
         {{{1, 1}, {10, 10}}, {{10, 10}, {20, 5}}, {{20, 5}, {30, 40}}},
         {30, 40}},
        {{{10, 10}, {20, 5}}, false, {{{10, 10}, {10, 10}}, {{10, 10}, {20, 5}}}, {20, 5}},
        {{}, true, {}, {1, 1}},
        {{}, false, {}, {1, 1}},
    };
    for (const Case& c : cases) {
        const auto console = makeConsole();
        console->setCurrentLinePoint({1, 1});
        console->addLinesFromCurrentLocation(pointList(c.points), c.fromPen);
        Segments segments;
        for (const auto& item : console->items()) {
            EXPECT_EQ(item->type(), CUI_PrintToWindowItem::TypeLine);
            segments.emplace_back(item->linePt1(), item->linePt2());
        }
        EXPECT_EQ(segments, c.segments);
        EXPECT_EQ(console->currentLinePoint(), c.pen);
    }
}

// A line run raises the mark by its peculiar rule (a point lower than the mark so far: its y
// plus half the line width); a shape to its bottom edge plus half the line width.
TEST(GraphicItems, TheViewGrowsToTheLowestPointPlusHalfTheLineWidth) {
    struct Case {
        char kind;
        Rect rect;
        double lineWidth;
        double expectedMark;
    };
    const Case cases[] = {
        {'l', {0, 10, 0, 40}, 2, 51 + 20}, // points (0, 10), (0, 50), (0, 30)
        {'o', {10, 10, 100, 40}, 4, 52 + 20},
        {'r', {0, 100, 10, 10}, 1, 110.5 + 20},
        {'r', {0, 100, 10, 10}, -2, 109 + 20},
    };
    for (const Case& c : cases) {
        const auto console = makeConsole();
        console->setCurrentLineWidth(c.lineWidth);
        if (c.kind == 'l')
            console->addLinesFromCurrentLocation(
                pointList({c.rect.origin, {0, c.rect.maxY()}, {0, 30}}), false);
        else if (c.kind == 'o')
            console->addOvalWithRectStrokeColorFillColor(c.rect, nullptr, nullptr);
        else
            console->addRectWithRectStrokeColorFillColor(c.rect, nullptr, nullptr);
        EXPECT_EQ(console->viewH(), c.expectedMark) << c.kind;
    }
}

// Lines and shapes take the view's whole line style, except that the colours given to a shape
// win over the view's stroke colour, an absent one included. Each item gives one record of its
// keys in order, holding the item's own objects; fields a kind does not use export as zeros, the
// flags as false.
TEST(GraphicItems, TakeTheViewsLineStyleAndExportOneRecordEach) {
    const auto console = makeConsole();
    console->addString(str(u"hi\b"));
    const auto dashes = Array::arrayWithObjects({Number::numberWithDouble(3)});
    console->setCurrentLineWidth(3);
    console->setCurrentStrokeColor(Color::redColor());
    console->setCurrentLineCapStyle(1);
    console->setCurrentLineDashPattern(dashes);
    console->setCurrentLineDashPhase(1.5);
    console->addLinesFromCurrentLocation(pointList({{5, 6}}), true);
    console->addRectWithRectStrokeColorFillColor({1, 2, 3, 4}, nullptr, Color::blueColor());
    console->setCurrentLineDashPattern(nullptr);
    console->addOvalWithRectStrokeColorFillColor({1, 2, 3, 4}, Color::greenColor(), nullptr);

    const auto colourName = [](const Ref<Object>& colour) -> std::string {
        return isEqual(colour, Color::redColor())    ? "red"
               : isEqual(colour, Color::blueColor()) ? "blue"
                                                     : "green";
    };
    const auto described = [&](const Ref<Object>& record) {
        std::string text;
        for (const auto& entry : *record->as<Dictionary>()) {
            const auto& value = entry.value;
            const std::string shown = value->as<Color>() ? colourName(value)
                                      : value->as<Dictionary>() || value->as<Array>()
                                          ? std::string("*")
                                          : value->description()->utf8();
            text += (text.empty() ? "" : " ") + entry.key->as<String>()->utf8() + "=" + shown;
        }
        return text;
    };
    const std::string records[] = {
        "type=0 pt={3, 0} pt1={0, 0} pt2={0, 0} rect={{0, 0}, {0, 0}} lineWidth=0 lineCapStyle=0 "
        "lineDashPhase=0 strokeFlag=0 fillFlag=0 text=hi\b attributes=*",
        "type=1 pt={0, 0} pt1={0, 0} pt2={5, 6} rect={{0, 0}, {0, 0}} lineWidth=3 lineCapStyle=1 "
        "lineDashPhase=1.5 strokeFlag=0 fillFlag=0 lineDashPattern=* strokeColor=red",
        "type=2 pt={0, 0} pt1={0, 0} pt2={0, 0} rect={{1, 2}, {3, 4}} lineWidth=3 lineCapStyle=1 "
        "lineDashPhase=1.5 strokeFlag=0 fillFlag=0 lineDashPattern=* fillColor=blue",
        "type=3 pt={0, 0} pt1={0, 0} pt2={0, 0} rect={{1, 2}, {3, 4}} lineWidth=3 lineCapStyle=1 "
        "lineDashPhase=1.5 strokeFlag=0 fillFlag=0 strokeColor=green",
    };
    const auto list = console->itemArray();
    ASSERT_EQ(list->count(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(described(list->objectAtIndex(i)), records[i]);
    const auto first = list->objectAtIndex(0)->as<Dictionary>();
    EXPECT_EQ(first->objectForKey(text("text")), console->items()[0]->string());
    EXPECT_EQ(first->objectForKey(text("attributes")), console->items()[0]->attributes());
    EXPECT_EQ(list->objectAtIndex(2)->as<Dictionary>()->objectForKey(text("lineDashPattern")),
              dashes);
}

} // namespace
