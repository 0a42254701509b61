#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/LayoutManager.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace platform;

namespace {

Ref<Font> menlo(double size = 12) {
    return Font::fontWithNameSize(*String::fromUtf8("Menlo"), size);
}

Ref<Dictionary> attributesWith(const Ref<Font>& font, std::vector<double> tabStops = {},
                               double tabInterval = 28) {
    auto attributes = Dictionary::dictionary();
    attributes->setObjectForKey(font, FontAttributeName());
    auto paragraph = ParagraphStyle::paragraphStyle();
    paragraph->setDefaultTabInterval(tabInterval);
    paragraph->setTabStops(std::move(tabStops));
    attributes->setObjectForKey(paragraph, ParagraphStyleAttributeName());
    return attributes;
}

double widthOf(const char* text, const Ref<Dictionary>& attributes) {
    return AttributedString(String::fromUtf8(text), attributes)
        .boundingRectWithSizeOptions({10000, 10000}, StringDrawingOptions::UsesLineFragmentOrigin |
                                                         StringDrawingOptions::UsesFontLeading)
        .width();
}

} // namespace

TEST(Fonts, TheFixedPitchFamilyIsAnsweredByTheSystemMonospacedFamily) {
    const auto font = menlo();
    ASSERT_TRUE(font);
    EXPECT_EQ(font->familyName()->utf8(), "DejaVu Sans Mono");
    // Asking again by the font's own name finds the same face.
    const auto again = Font::fontWithNameSize(*font->fontName(), 20);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->familyName()->utf8(), "DejaVu Sans Mono");
    EXPECT_EQ(again->pointSize(), 20);
    EXPECT_FALSE(Font::fontWithNameSize(*String::fromUtf8("No Such Family Anywhere"), 12));
}

TEST(Fonts, LineHeightIsWholePointsAndGrowsWithTheSize) {
    const LayoutManager layout;
    const double small = layout.defaultLineHeightForFont(*menlo(12));
    const double large = layout.defaultLineHeightForFont(*menlo(24));
    EXPECT_EQ(small, std::floor(small));
    EXPECT_GE(small, 12);
    EXPECT_GT(large, small);
    // A fractional size is laid out at the nearest whole pixel size.
    EXPECT_EQ(layout.defaultLineHeightForFont(*menlo(12.4)), small);
}

TEST(TextMeasuring, WidthsFollowTheGlyphsTabsAndControlCharacters) {
    const auto attributes = attributesWith(menlo());
    const double cell = widthOf("0", attributes);
    ASSERT_GT(cell, 0);
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {"", 0},
        {"abc", 3 * cell},
        {"a  ", 3 * cell},       // trailing blanks count
        {"\t", 28},              // a lone tab reaches the first stop
        {"a\t", 28},             // a trailing tab counts too
        {"a\tb", 28 + cell},     // stops count from the start of the string
        {"aaaaa\tb", 56 + cell}, // past a stop, to the next multiple of the interval
        {"a\bb", 2 * cell},      // other control characters have no width
        {"ab\b", 2 * cell},
        {"\x01\x1b", 0},
        {"abcd\nab", 4 * cell}, // the widest line
    };
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(widthOf(c.text, attributes), c.expected) << '"' << c.text << '"';
}

TEST(TextMeasuring, ExplicitTabStopsComeBeforeTheInterval) {
    const auto attributes = attributesWith(menlo(), {10, 50}, 100);
    EXPECT_DOUBLE_EQ(widthOf("\t", attributes), 10);
    EXPECT_DOUBLE_EQ(widthOf("\t\t", attributes), 50);
    EXPECT_DOUBLE_EQ(widthOf("\t\t\t", attributes), 100);
}

TEST(TextMeasuring, HeightIsOneLineHeightPerLine) {
    const auto font = menlo();
    const double lineHeight = LayoutManager().defaultLineHeightForFont(*font);
    const AttributedString text(String::fromUtf8("a\r\nb"), attributesWith(font));
    EXPECT_DOUBLE_EQ(text.size().height, 3 * lineHeight);
}
