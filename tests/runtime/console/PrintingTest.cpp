#include "ConsoleTesting.h"

#include "platform/drawing/Color.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/MutableString.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;
using namespace console_testing;

namespace {

using Texts = std::vector<std::u16string>;

class Printing : public ::testing::Test {
protected:
    Ref<Object> attribute(const Ref<String>& key) const {
        return console->currentAttributes()->objectForKey(key);
    }
    Point itemPoint(std::size_t index) const { return console->items().at(index)->pt(); }

    Ref<CUI_PrintToWindowView> console = makeConsole();
    const double L = lineHeightOf(menlo());
    const double cell = widthOf(u"0", console->currentAttributes());
};

// Every newline character ends a piece, each piece starts a line at the inset, and a print
// that ends its line leaves an empty piece where the next one starts; the view keeps 20 points
// below the pen's line.
TEST_F(Printing, EveryNewlineCharacterEndsAPiece) {
    struct Case {
        std::u16string text;
        Texts pieces;
    };
    const Case cases[] = {
        {u"abc", {u"abc", u""}},
        {u"", {u"", u""}},
        {u"a\r\nb", {u"a", u"", u"b", u""}}, // two lines for CR LF
        {u"a\vb\fc\rd", {u"a", u"b", u"c", u"d", u""}},
        {u"a\u0085b\u2028c\u2029d", {u"a", u"b", u"c", u"d", u""}},
        {u"a\n", {u"a", u"", u""}},
    };
    for (const Case& c : cases) {
        const auto fresh = makeConsole();
        const Point pen = fresh->addString(str(c.text));
        EXPECT_EQ(texts(*fresh), c.pieces);
        const double lines = static_cast<double>(c.pieces.size() - 1);
        for (std::size_t i = 0; i < fresh->items().size(); ++i)
            EXPECT_EQ(fresh->items()[i]->pt(), (Point{3, static_cast<double>(i) * L}));
        EXPECT_EQ(pen, (Point{3, lines * L}));
        EXPECT_EQ(fresh->currentPoint(), pen);
        EXPECT_EQ(fresh->viewH(), (lines + 1) * L + 20);
        EXPECT_EQ(fresh->frame().height(), (lines + 1) * L + 20);
    }
}

// The marker (backspace) or a final tab keeps the pen on the line; tab stops count from the
// start of the piece, at the interval of the current paragraph style.
TEST_F(Printing, TheMarkerAndAFinalTabKeepThePenOnTheLine) {
    struct Case {
        Texts prints;
        double tabInterval;
        Texts pieces;
        std::vector<double> xs;
        Point pen;
    };
    const Case cases[] = {
        {{u"ab\b"}, 28, {u"ab\b"}, {3}, {3 + 2 * cell, 0}},
        {{u"ab\b", u"cd"}, 28, {u"ab\b", u"cd", u""}, {3, 3 + 2 * cell, 3}, {3, L}},
        {{u"a\t"}, 28, {u"a\t"}, {3}, {3 + 28, 0}},
        {{u"\t"}, 50, {u"\t"}, {3}, {3 + 50, 0}},
        {{u"x\b", u"a\tb\b"}, 28, {u"x\b", u"a\tb\b"}, {3, 3 + cell}, {3 + cell + 28 + cell, 0}},
    };
    for (const Case& c : cases) {
        const auto fresh = makeConsole();
        fresh->setTabInterval(c.tabInterval);
        for (const auto& print : c.prints)
            fresh->addString(str(print));
        EXPECT_EQ(texts(*fresh), c.pieces);
        std::vector<double> xs;
        for (const auto& item : fresh->items())
            xs.push_back(item->pt().x);
        EXPECT_EQ(xs, c.xs);
        EXPECT_EQ(fresh->currentPoint(), c.pen);
    }
}

TEST_F(Printing, TheStoredTextCollectsEveryPrintWithItsAddedNewlines) {
    console->addString(str(u"one"));
    console->addString(str(u"two\b"));
    console->addString(str(u"three\t"));
    const auto text = console->textString();
    EXPECT_EQ(text->utf16(), u"one\ntwo\bthree\t");
    console->addString(str(u"four"));
    EXPECT_EQ(console->textString(), text) << "later prints append to the same text";
    EXPECT_EQ(text->utf16(), u"one\ntwo\bthree\tfour\n");
    console->setTextString(nullptr);
    console->addString(str(u"five"));
    EXPECT_EQ(console->textString()->utf16(), u"five\n");
}

// The console keeps its text items compact until they are asked for: they must then be the
// same objects each time, each with a dictionary of its own.
TEST_F(Printing, ItemsAreTheSameObjectsEveryTimeTheyAreAskedFor) {
    console->addString(str(u"one"));
    const auto first = console->items();
    console->addString(str(u"two"));
    const auto& items = console->items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[1], first[1]);
    EXPECT_NE(items[0]->attributes(), items[2]->attributes());
    EXPECT_TRUE(items[0]->attributes()->isEqual(*items[2]->attributes()));
    // Another console can be given them; absent entries are left out.
    const auto other = makeConsole();
    other->setItems({items[0], nullptr, items[2]});
    EXPECT_EQ(texts(*other), (Texts{u"one", u"two"}));
}

TEST_F(Printing, ARepeatedPieceIsMeasuredWithTheAttributesOfItsOwnPrint) {
    const auto printWord = [&] {
        console->addStringAt(str(u"word\b"), {0, 0});
        return console->currentPoint().x;
    };
    const double small = printWord();
    // Changed in the dictionary itself, as a program holding it can.
    console->currentAttributes()->setObjectForKey(menlo(24), FontAttributeName());
    const double large = printWord();
    EXPECT_EQ(large, widthOf(u"word\b", console->currentAttributes()));
    EXPECT_GT(large, small * 1.5);
}

// Right and centre alignment place each piece against the view's width, yet the pen moves on
// from its own x; every other code places text at the pen.
TEST_F(Printing, AlignmentPlacesEachPieceButNotThePen) {
    struct Case {
        std::int64_t alignment;
        std::vector<double> xs;
    };
    const Case cases[] = {
        {TextAlignment::Right, {viewWidth - 4 * cell, viewWidth - 2 * cell, viewWidth}},
        {TextAlignment::Center,
         {(viewWidth - 4 * cell) / 2, (viewWidth - 2 * cell) / 2, viewWidth / 2}},
        {TextAlignment::Justified, {3, 3, 3}},
        {77, {3, 3, 3}},
    };
    for (const Case& c : cases) {
        const auto fresh = makeConsole();
        fresh->setAlignment(c.alignment);
        fresh->addString(str(u"abcd\nab"));
        std::vector<double> xs;
        for (const auto& item : fresh->items())
            xs.push_back(item->pt().x);
        EXPECT_EQ(xs, c.xs) << c.alignment;
        fresh->addString(str(u"ab\b"));
        EXPECT_EQ(fresh->currentPoint(), (Point{3 + 2 * cell, 2 * L})) << c.alignment;
    }
}

TEST_F(Printing, ThePenMovesToCellsOfTheCurrentFontOrToAPoint) {
    for (const Point cr : {Point{10, 2}, Point{1.5, 0.5}, Point{-2, -1}}) {
        console->setColumnRow(cr.x, cr.y);
        EXPECT_EQ(console->currentPoint(), (Point{cr.x * cell, cr.y * L}));
    }
    console->setFontSize(24);
    const double bigCell = widthOf(u"0", console->currentAttributes());
    ASSERT_GT(bigCell, cell);
    console->setColumnRow(3, 4);
    EXPECT_EQ(console->currentPoint(), (Point{3 * bigCell, 4 * lineHeightOf(menlo(24))}));
    EXPECT_EQ(console->viewH(), console->currentPoint().y + 20);

    const auto fresh = makeConsole();
    EXPECT_EQ(fresh->addStringAt(str(u"ab\b"), {100, 50}), (Point{100 + 2 * cell, 50}));
    EXPECT_EQ(fresh->items()[0]->pt(), (Point{100, 50}));
    EXPECT_EQ(fresh->viewH(), 50 + L + 20);
}

TEST_F(Printing, TheViewGrowsOnlyWhenContentReachesItsMarkAndNeverShrinks) {
    struct Step {
        double viewH, y, expectedViewH, expectedHeight;
    };
    const Step steps[] = {
        {0, 100, 120, 120},
        {120, 119.5, 120, 120}, // below the mark: nothing
        {120, 120, 140, 140},   // at the mark
        {0, 10, 30, 140},       // the mark set lower by hand
    };
    for (const Step& s : steps) {
        console->setViewH(s.viewH);
        console->fixFrameHeight(s.y);
        EXPECT_EQ(console->viewH(), s.expectedViewH) << s.y;
        EXPECT_EQ(console->frame().size, (Size{viewWidth, s.expectedHeight})) << s.y;
    }
}

// Colours set later leave earlier prints theirs (the drawing tests show it in pixels); no colour
// takes the attribute out.
TEST_F(Printing, NoForegroundColourTakesTheAttributeOutOfLaterPrintsOnly) {
    console->addString(str(u"before"));
    console->setForegroundColor(nullptr);
    EXPECT_FALSE(attribute(ForegroundColorAttributeName()));
    EXPECT_TRUE(
        isEqual(console->items()[0]->attributes()->objectForKey(ForegroundColorAttributeName()),
                Color::textColor()));
}

// Font name and size each keep the other; an unknown family changes nothing. Attributes set
// as a dictionary are merged in and travel with the text; a reset restores the defaults but
// not the line style, which is no attribute.
TEST_F(Printing, AttributesMergeAndResetRestoresTheDefaults) {
    console->setFontSize(20);
    console->setFontName(text("DejaVu Serif"));
    const auto font = attribute(FontAttributeName())->as<Font>();
    EXPECT_EQ(font->pointSize(), 20);
    EXPECT_EQ(font->familyName()->utf8(), "DejaVu Serif");
    console->setFontName(text("No Such Family Anywhere"));
    EXPECT_TRUE(isEqual(attribute(FontAttributeName()), font));

    const auto extraKey = text("Underline");
    auto merged = Dictionary::dictionary();
    merged->setObjectForKey(Color::greenColor(), ForegroundColorAttributeName());
    merged->setObjectForKey(text("single"), extraKey);
    console->setAttributes(merged);
    EXPECT_EQ(console->currentAttributes()->count(), 5u);
    console->addString(str(u"x"));
    EXPECT_TRUE(console->items()[0]->attributes()->objectForKey(extraKey));

    console->setAlignment(TextAlignment::Center);
    console->setCurrentLineWidth(5);
    console->resetAttributes();
    EXPECT_EQ(console->currentAttributes()->count(), 4u);
    EXPECT_TRUE(isEqual(attribute(FontAttributeName()), menlo()));
    EXPECT_TRUE(isEqual(attribute(ForegroundColorAttributeName()), Color::textColor()));
    EXPECT_EQ(console->currentAlignment(), TextAlignment::Left);
    EXPECT_EQ(console->currentLineWidth(), 5);
    EXPECT_EQ(console->items().size(), 2u);
}

TEST_F(Printing, ClearEmptiesTheContentButKeepsAttributesAndLineStyle) {
    console->setForegroundColor(Color::blueColor());
    console->setCurrentLinePoint({5, 6});
    console->addString(str(u"one\ntwo\nthree"));
    console->clear();
    EXPECT_TRUE(console->items().empty());
    EXPECT_FALSE(console->textString());
    EXPECT_EQ(console->currentPoint(), (Point{3, 0}));
    EXPECT_EQ(console->viewH(), 0);
    EXPECT_EQ(console->frame().height(), 1);
    EXPECT_EQ(console->currentLinePoint(), (Point{5, 6}));
    console->addString(str(u"again"));
    EXPECT_EQ(itemPoint(0), (Point{3, 0}));
    EXPECT_TRUE(
        isEqual(console->items()[0]->attributes()->objectForKey(ForegroundColorAttributeName()),
                Color::blueColor()));
    EXPECT_EQ(console->viewH(), 2 * L + 20);
}

} // namespace
