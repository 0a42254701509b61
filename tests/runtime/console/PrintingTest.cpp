#include "ConsoleTesting.h"

#include "platform/drawing/Color.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/MutableString.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;
using namespace console_testing;

namespace {

class Printing : public ::testing::Test {
protected:
    Ref<CUI_PrintToWindowView> console = makeConsole();
    const double L = lineHeightOf(defaultFont());
    const double cell = widthOf(u"0", console->currentAttributes());

    // The texts of the console's items, in order.
    std::vector<std::u16string> texts() const {
        std::vector<std::u16string> result;
        for (const auto& item : console->items())
            result.push_back(item->string()->utf16());
        return result;
    }
    Point itemPoint(std::size_t index) const { return console->items().at(index)->pt(); }
};

using Texts = std::vector<std::u16string>;

} // namespace

TEST_F(Printing, AFreshConsoleHasTheDefaultState) {
    EXPECT_TRUE(console->isFlipped());
    EXPECT_EQ(console->autoresizingMask(), AutoresizingMask::WidthSizable);
    const auto attributes = console->currentAttributes();
    EXPECT_TRUE(isEqual(attributes->objectForKey(FontAttributeName()), defaultFont()));
    EXPECT_TRUE(
        isEqual(attributes->objectForKey(ForegroundColorAttributeName()), Color::textColor()));
    EXPECT_TRUE(
        isEqual(attributes->objectForKey(BackgroundColorAttributeName()), Color::clearColor()));
    const auto paragraph =
        attributes->objectForKey(ParagraphStyleAttributeName())->as<ParagraphStyle>();
    ASSERT_TRUE(paragraph);
    EXPECT_TRUE(paragraph->tabStops().empty());
    EXPECT_EQ(console->currentLineWidth(), 1);
    EXPECT_TRUE(isEqual(console->currentStrokeColor(), Color::blackColor()));
    EXPECT_FALSE(console->textString());
}

// Newlines and pieces.

TEST_F(Printing, AWordEndsItsLineWithAnEmptyPieceOnTheNext) {
    const Point pen = console->addString(str(u"abc"));
    EXPECT_EQ(texts(), (Texts{u"abc", u""}));
    EXPECT_EQ(itemPoint(0), (Point{3, 0}));
    EXPECT_EQ(itemPoint(1), (Point{3, L}));
    EXPECT_EQ(pen, (Point{3, L}));
    EXPECT_EQ(console->currentPoint(), pen);
    EXPECT_EQ(console->viewH(), 2 * L + 20);
    EXPECT_EQ(console->frame().height(), 2 * L + 20);
    EXPECT_EQ(console->textString()->utf16(), u"abc\n");
}

TEST_F(Printing, EveryNewlineCharacterEndsAPiece) {
    struct Case {
        std::u16string text;
        Texts pieces;
    };
    const Case cases[] = {
        {u"", {u"", u""}},
        {u"a\nb", {u"a", u"b", u""}},
        {u"a\r\nb", {u"a", u"", u"b", u""}}, // two lines for CR LF
        {u"a\vb\fc\rd", {u"a", u"b", u"c", u"d", u""}},
        {u"a\u0085b\u2028c\u2029d", {u"a", u"b", u"c", u"d", u""}},
        {u"a\n", {u"a", u"", u""}}, // a print ending in a newline still gets one more
    };
    for (const Case& c : cases) {
        const auto fresh = makeConsole();
        fresh->addString(str(c.text));
        std::vector<std::u16string> pieces;
        for (const auto& item : fresh->items())
            pieces.push_back(item->string()->utf16());
        EXPECT_EQ(pieces, c.pieces);
        const double lines = static_cast<double>(c.pieces.size() - 1);
        EXPECT_EQ(fresh->currentPoint(), (Point{3, lines * L}));
        for (std::size_t i = 0; i < fresh->items().size(); ++i)
            EXPECT_EQ(fresh->items()[i]->pt(), (Point{3, static_cast<double>(i) * L}));
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

TEST_F(Printing, ItemsAreTheSameObjectsEveryTimeTheyAreAskedFor) {
    console->addString(str(u"one"));
    const auto first = console->items();
    console->addString(str(u"two"));
    const auto& items = console->items();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0], first[0]);
    EXPECT_EQ(items[1], first[1]);
    EXPECT_EQ(console->items()[3], items[3]);
    // Equal attributes, but each item has a dictionary of its own.
    EXPECT_NE(items[0]->attributes(), items[2]->attributes());
    EXPECT_TRUE(items[0]->attributes()->isEqual(*items[2]->attributes()));
}

TEST_F(Printing, ARepeatedPieceIsMeasuredWithTheAttributesOfItsOwnPrint) {
    const auto printWord = [&] {
        console->addStringAt(str(u"word\b"), {0, 0});
        return console->currentPoint().x;
    };
    const double small = printWord();
    // Changed in the dictionary itself, as a program holding it can.
    console->currentAttributes()->setObjectForKey(Font::fontWithNameSize(*str(u"Menlo"), 24),
                                                  FontAttributeName());
    const double large = printWord();
    EXPECT_EQ(large, widthOf(u"word\b", console->currentAttributes()));
    EXPECT_GT(large, small * 1.5);
    EXPECT_EQ(console->items()[1]->attributes()->objectForKey(FontAttributeName()),
              console->currentAttributes()->objectForKey(FontAttributeName()));
}

// The marker and tabs.

TEST_F(Printing, TheMarkerKeepsThePenOnTheLineAndStaysInTheItem) {
    console->addString(str(u"ab\b"));
    EXPECT_EQ(texts(), (Texts{u"ab\b"}));
    EXPECT_EQ(console->currentPoint(), (Point{3 + 2 * cell, 0}));
    console->addString(str(u"cd"));
    EXPECT_EQ(itemPoint(1), (Point{3 + 2 * cell, 0}));
    EXPECT_EQ(console->currentPoint(), (Point{3, L}));
}

TEST_F(Printing, AFinalTabKeepsThePenOnTheLineAndCountsInTheWidth) {
    console->addString(str(u"a\t"));
    EXPECT_EQ(texts(), (Texts{u"a\t"}));
    EXPECT_EQ(console->currentPoint(), (Point{3 + 28, 0}));
}

TEST_F(Printing, TabStopsCountFromTheStartOfThePiece) {
    console->addString(str(u"x\b"));
    console->addString(str(u"a\tb\b"));
    // The piece starts at 3 + cell; its tab stop is 28 from there, not from the view's edge.
    EXPECT_EQ(itemPoint(1).x, 3 + cell);
    EXPECT_EQ(console->currentPoint().x, 3 + cell + 28 + cell);
}

TEST_F(Printing, TheTabIntervalIsTakenFromTheCurrentParagraphStyle) {
    console->setTabInterval(50);
    console->addString(str(u"\t"));
    EXPECT_EQ(console->currentPoint().x, 3 + 50);
}

// Alignment.

TEST_F(Printing, RightAlignmentEndsThePieceAtTheRightEdgeButThePenMovesFromItsOwnX) {
    console->setAlignment(TextAlignment::Right);
    console->addString(str(u"abc\b"));
    EXPECT_EQ(itemPoint(0), (Point{viewWidth - 3 * cell, 0}));
    EXPECT_EQ(console->currentPoint(), (Point{3 + 3 * cell, 0}));
    console->addString(str(u"de"));
    EXPECT_EQ(itemPoint(1), (Point{viewWidth - 2 * cell, 0}));
    EXPECT_EQ(console->currentPoint(), (Point{3, L}));
}

TEST_F(Printing, CentreAlignmentCentresEachPiece) {
    console->setAlignment(TextAlignment::Center);
    console->addString(str(u"abcd\nab"));
    EXPECT_EQ(itemPoint(0).x, (viewWidth - 4 * cell) / 2);
    EXPECT_EQ(itemPoint(1).x, (viewWidth - 2 * cell) / 2);
    EXPECT_EQ(itemPoint(2).x, viewWidth / 2); // the empty piece after the last newline
}

TEST_F(Printing, EveryOtherAlignmentPlacesTextAtThePen) {
    for (const std::int64_t alignment : {TextAlignment::Left, TextAlignment::Justified,
                                         TextAlignment::Natural, std::int64_t{77}}) {
        const auto fresh = makeConsole();
        fresh->setAlignment(alignment);
        fresh->addString(str(u"abc"));
        EXPECT_EQ(fresh->items()[0]->pt(), (Point{3, 0})) << alignment;
    }
}

// Columns and rows.

TEST_F(Printing, ColumnsAndRowsAreCellsOfTheCurrentFontWithoutTheInset) {
    struct Case {
        double column, row;
    };
    for (const Case c : {Case{0, 0}, Case{10, 2}, Case{1.5, 0.5}, Case{-2, -1}}) {
        console->setColumnRow(c.column, c.row);
        EXPECT_EQ(console->currentPoint(), (Point{c.column * cell, c.row * L}));
    }
    console->setFontSize(24);
    const double bigCell = widthOf(u"0", console->currentAttributes());
    ASSERT_GT(bigCell, cell);
    console->setColumnRow(3, 4);
    EXPECT_EQ(console->currentPoint(),
              (Point{3 * bigCell,
                     4 * lineHeightOf(Font::fontWithNameSize(*String::fromUtf8("Menlo"), 24))}));
    EXPECT_EQ(console->viewH(), console->currentPoint().y + 20);
}

TEST_F(Printing, PrintingAtAPointStartsThere) {
    const Point pen = console->addStringAt(str(u"ab\b"), {100, 50});
    EXPECT_EQ(itemPoint(0), (Point{100, 50}));
    EXPECT_EQ(pen, (Point{100 + 2 * cell, 50}));
    EXPECT_EQ(console->viewH(), 50 + L + 20);
}

// Height growth.

TEST_F(Printing, TheViewGrowsOnlyWhenContentReachesItsMark) {
    console->fixFrameHeight(100);
    EXPECT_EQ(console->viewH(), 120);
    EXPECT_EQ(console->frame().height(), 120);
    console->fixFrameHeight(119.5); // below the mark: nothing
    EXPECT_EQ(console->viewH(), 120);
    console->fixFrameHeight(120); // at the mark
    EXPECT_EQ(console->viewH(), 140);
    EXPECT_EQ(console->frame().height(), 140);
    EXPECT_EQ(console->frame().width(), viewWidth);
    // The frame never shrinks, even when the mark is set lower by hand.
    console->setViewH(0);
    console->fixFrameHeight(10);
    EXPECT_EQ(console->viewH(), 30);
    EXPECT_EQ(console->frame().height(), 140);
}

TEST_F(Printing, ManyLinesKeepTheLowestContentWithinTwentyPointsOfTheBottom) {
    for (int i = 0; i < 50; ++i)
        console->addString(str(u"line"));
    const double penLineBottom = console->currentPoint().y + L;
    EXPECT_EQ(console->currentPoint().y, 50 * L);
    EXPECT_GE(console->frame().height(), penLineBottom);
    EXPECT_LE(console->frame().height(), penLineBottom + 20);
}

// Attributes.

TEST_F(Printing, AttributeChangesApplyToLaterPrintsOnly) {
    console->addString(str(u"before"));
    console->setForegroundColor(Color::redColor());
    console->setBackgroundColor(Color::yellowColor());
    console->addString(str(u"after"));
    const auto before = console->items()[0]->attributes();
    const auto after = console->items()[2]->attributes();
    EXPECT_TRUE(isEqual(before->objectForKey(ForegroundColorAttributeName()), Color::textColor()));
    EXPECT_TRUE(isEqual(after->objectForKey(ForegroundColorAttributeName()), Color::redColor()));
    EXPECT_TRUE(isEqual(after->objectForKey(BackgroundColorAttributeName()), Color::yellowColor()));
    // Each item has its own copy, not the console's dictionary.
    EXPECT_NE(after, console->currentAttributes());
    console->setForegroundColor(nullptr);
    EXPECT_FALSE(console->currentAttributes()->objectForKey(ForegroundColorAttributeName()));
    EXPECT_TRUE(after->objectForKey(ForegroundColorAttributeName()));
}

TEST_F(Printing, FontNameAndSizeEachKeepTheOther) {
    console->setFontSize(20);
    auto font = console->currentAttributes()->objectForKey(FontAttributeName())->as<Font>();
    EXPECT_EQ(font->pointSize(), 20);
    EXPECT_EQ(font->fontName()->utf8(), "Menlo");
    console->setFontName(String::fromUtf8("DejaVu Serif"));
    font = console->currentAttributes()->objectForKey(FontAttributeName())->as<Font>();
    EXPECT_EQ(font->pointSize(), 20);
    EXPECT_EQ(font->familyName()->utf8(), "DejaVu Serif");
    console->setFontName(String::fromUtf8("No Such Family Anywhere"));
    EXPECT_TRUE(isEqual(console->currentAttributes()->objectForKey(FontAttributeName()), font));
}

TEST_F(Printing, SetAttributesMergesAndResetRestoresTheDefaults) {
    const auto extraKey = String::fromUtf8("Underline");
    auto merged = Dictionary::dictionary();
    merged->setObjectForKey(Color::greenColor(), ForegroundColorAttributeName());
    merged->setObjectForKey(String::fromUtf8("single"), extraKey);
    console->setAttributes(merged);
    console->setAlignment(TextAlignment::Center);
    EXPECT_EQ(console->currentAttributes()->count(), 5u);
    EXPECT_TRUE(isEqual(console->currentAttributes()->objectForKey(ForegroundColorAttributeName()),
                        Color::greenColor()));
    console->addString(str(u"x"));
    EXPECT_TRUE(console->items()[0]->attributes()->objectForKey(extraKey)); // travels with the text

    console->setCurrentLineWidth(5);
    console->resetAttributes();
    EXPECT_EQ(console->currentAttributes()->count(), 4u);
    EXPECT_FALSE(console->currentAttributes()->objectForKey(extraKey));
    EXPECT_TRUE(isEqual(console->currentAttributes()->objectForKey(ForegroundColorAttributeName()),
                        Color::textColor()));
    EXPECT_EQ(console->currentAlignment(), TextAlignment::Left);
    EXPECT_EQ(console->currentLineWidth(), 5); // the line style is not an attribute
    EXPECT_EQ(console->items().size(), 2u);
}

// Clearing.

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
