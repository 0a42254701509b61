#include "ConsoleTesting.h"

#include "platform/drawing/Color.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/Value.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

using namespace platform;
using namespace console_testing;

namespace {

Ref<Array> pointList(std::initializer_list<Point> points) {
    auto list = Array::array();
    for (const Point p : points)
        list->addObject(Value::valueWithPoint(p));
    return list;
}

std::vector<std::pair<Point, Point>> segments(const CUI_PrintToWindowView& console) {
    std::vector<std::pair<Point, Point>> result;
    for (const auto& item : console.items()) {
        EXPECT_EQ(item->type(), CUI_PrintToWindowItem::TypeLine);
        result.emplace_back(item->linePt1(), item->linePt2());
    }
    return result;
}

using Segments = std::vector<std::pair<Point, Point>>;

} // namespace

// Line runs.

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
        {{{10, 10}, {20, 5}, {30, 40}},
         false,
         {{{10, 10}, {10, 10}}, {{10, 10}, {20, 5}}, {{20, 5}, {30, 40}}},
         {30, 40}},
        {{}, true, {}, {1, 1}},
        {{}, false, {}, {1, 1}},
    };
    for (const Case& c : cases) {
        const auto console = makeConsole();
        console->setCurrentLinePoint({1, 1});
        console->addLinesFromCurrentLocation(pointList(c.points), c.fromPen);
        EXPECT_EQ(segments(*console), c.segments);
        EXPECT_EQ(console->currentLinePoint(), c.pen);
    }
}

TEST(LineRuns, SegmentsTakeTheViewsLineStyle) {
    const auto console = makeConsole();
    const auto dashes =
        Array::arrayWithObjects({Number::numberWithDouble(4), Number::numberWithDouble(2)});
    console->setCurrentLineWidth(3);
    console->setCurrentStrokeColor(Color::redColor());
    console->setCurrentLineCapStyle(1);
    console->setCurrentLineDashPattern(dashes);
    console->setCurrentLineDashPhase(1.5);
    console->addLinesFromCurrentLocation(pointList({{0, 0}}), true);
    const auto& item = console->items().at(0);
    EXPECT_EQ(item->lineWidth(), 3);
    EXPECT_TRUE(isEqual(item->strokeColor(), Color::redColor()));
    EXPECT_EQ(item->lineCapStyle(), 1u);
    EXPECT_EQ(item->lineDashPattern(), dashes);
    EXPECT_EQ(item->lineDashPhase(), 1.5);
}

// The height passed on follows the run's peculiar rule: a point lower than the mark so far
// raises the mark to its y plus half the line width.
TEST(LineRuns, TheViewGrowsToTheLowestPointPlusHalfTheLineWidth) {
    const auto console = makeConsole();
    console->setCurrentLineWidth(2);
    console->addLinesFromCurrentLocation(pointList({{0, 10}, {0, 50}, {0, 30}}), false);
    EXPECT_EQ(console->viewH(), 51 + 20);
}

// Rectangles and ovals.

TEST(Shapes, TheGivenColoursWinOverTheViewsStrokeColour) {
    const auto console = makeConsole();
    console->setCurrentLineWidth(-1);
    console->setCurrentStrokeColor(Color::redColor());
    console->addRectWithRectStrokeColorFillColor({10, 10, 50, 20}, nullptr, Color::blueColor());
    console->addOvalWithRectStrokeColorFillColor({10, 10, 50, 20}, Color::greenColor(), nullptr);
    const auto& rect = console->items().at(0);
    EXPECT_EQ(rect->type(), CUI_PrintToWindowItem::TypeRect);
    EXPECT_EQ(rect->rect(), Rect(10, 10, 50, 20));
    EXPECT_FALSE(rect->strokeColor());
    EXPECT_TRUE(isEqual(rect->fillColor(), Color::blueColor()));
    EXPECT_EQ(rect->lineWidth(), -1);
    const auto& oval = console->items().at(1);
    EXPECT_EQ(oval->type(), CUI_PrintToWindowItem::TypeOval);
    EXPECT_TRUE(isEqual(oval->strokeColor(), Color::greenColor()));
    EXPECT_FALSE(oval->fillColor());
}

TEST(Shapes, TheViewGrowsToTheBottomEdgePlusHalfTheLineWidth) {
    struct Case {
        bool oval;
        Rect rect;
        double lineWidth;
        double expectedMark;
    };
    const Case cases[] = {
        {true, {10, 10, 100, 40}, 4, 52 + 20},
        {false, {0, 100, 10, 10}, 1, 110.5 + 20},
        {false, {0, 100, 10, 10}, -2, 109 + 20},
    };
    for (const Case& c : cases) {
        const auto console = makeConsole();
        console->setCurrentLineWidth(c.lineWidth);
        if (c.oval)
            console->addOvalWithRectStrokeColorFillColor(c.rect, nullptr, nullptr);
        else
            console->addRectWithRectStrokeColorFillColor(c.rect, nullptr, nullptr);
        EXPECT_EQ(console->viewH(), c.expectedMark);
    }
}

TEST(Shapes, LineStyleAndGraphicPenSurviveClearAndReset) {
    const auto console = makeConsole();
    console->setCurrentLineWidth(6);
    console->addLinesFromCurrentLocation(pointList({{9, 9}}), false);
    console->clear();
    console->resetAttributes();
    EXPECT_EQ(console->currentLineWidth(), 6);
    EXPECT_EQ(console->currentLinePoint(), (Point{9, 9}));
}

// Export.

namespace {

std::vector<std::string> keysOf(const Ref<Object>& record) {
    std::vector<std::string> keys;
    for (const auto& entry : *record->as<Dictionary>())
        keys.push_back(entry.key->as<String>()->utf8());
    return keys;
}

Ref<Object> valueOf(const Ref<Object>& record, const char* key) {
    return record->as<Dictionary>()->objectForKey(String::fromUtf8(key));
}

const std::vector<std::string> alwaysPresent{
    "type",      "pt",           "pt1",           "pt2",        "rect",
    "lineWidth", "lineCapStyle", "lineDashPhase", "strokeFlag", "fillFlag"};

std::vector<std::string> with(std::initializer_list<const char*> extra) {
    auto keys = alwaysPresent;
    keys.insert(keys.end(), extra.begin(), extra.end());
    return keys;
}

} // namespace

TEST(Export, EachItemGivesOneRecordWithItsKeysInOrder) {
    const auto console = makeConsole();
    console->addString(str(u"hi\b"));
    console->setCurrentLineDashPattern(Array::arrayWithObjects({Number::numberWithDouble(3)}));
    console->addLinesFromCurrentLocation(pointList({{5, 6}}), true);
    console->addRectWithRectStrokeColorFillColor({1, 2, 3, 4}, Color::redColor(),
                                                 Color::blueColor());
    console->setCurrentLineDashPattern(nullptr);
    console->addOvalWithRectStrokeColorFillColor({1, 2, 3, 4}, nullptr, nullptr);

    const auto records = console->itemArray();
    ASSERT_EQ(records->count(), 4u);
    const auto text = records->objectAtIndex(0);
    const auto line = records->objectAtIndex(1);
    const auto rect = records->objectAtIndex(2);
    const auto oval = records->objectAtIndex(3);
    EXPECT_EQ(keysOf(text), with({"text", "attributes"}));
    EXPECT_EQ(keysOf(line), with({"lineDashPattern", "strokeColor"}));
    EXPECT_EQ(keysOf(rect), with({"lineDashPattern", "strokeColor", "fillColor"}));
    EXPECT_EQ(keysOf(oval), alwaysPresent);

    // The records hold the items' own objects.
    const auto& textItem = console->items()[0];
    EXPECT_EQ(valueOf(text, "text"), textItem->string());
    EXPECT_EQ(valueOf(text, "attributes"), textItem->attributes());
    // Fields a kind does not use export as zeros; the flags as false.
    EXPECT_TRUE(isEqual(valueOf(text, "pt1"), Value::valueWithPoint({})));
    EXPECT_TRUE(isEqual(valueOf(text, "rect"), Value::valueWithRect({})));
    EXPECT_TRUE(isEqual(valueOf(text, "pt"), Value::valueWithPoint({3, 0})));
    EXPECT_TRUE(isEqual(valueOf(line, "pt"), Value::valueWithPoint({})));
    EXPECT_TRUE(isEqual(valueOf(line, "pt2"), Value::valueWithPoint({5, 6})));
    EXPECT_TRUE(isEqual(valueOf(rect, "rect"), Value::valueWithRect({1, 2, 3, 4})));
    EXPECT_EQ(valueOf(rect, "type")->as<Number>()->longValue(), 2);
    EXPECT_EQ(valueOf(oval, "type")->as<Number>()->longValue(), 3);
    EXPECT_EQ(valueOf(line, "lineWidth")->as<Number>()->doubleValue(), 1.0);
    for (const auto& record : *records) {
        EXPECT_TRUE(valueOf(record, "strokeFlag")->as<Number>()->isBool());
        EXPECT_FALSE(valueOf(record, "strokeFlag")->as<Number>()->boolValue());
        EXPECT_FALSE(valueOf(record, "fillFlag")->as<Number>()->boolValue());
    }
}
