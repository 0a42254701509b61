#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/drawing/LayoutManager.h"
#include "platform/drawing/ParagraphStyle.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

using namespace platform;
using platform::testing::Pixel;
using platform::testing::WindowSnapshot;

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
}

TEST(Fonts, AnUnknownFamilyGivesNoFont) {
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

namespace {

class TextView : public View {
public:
    TextView(Rect frame, Ref<AttributedString> text, Point at, bool flipped)
        : View(frame), text_(std::move(text)), at_(at), flipped_(flipped) {}
    bool isFlipped() const override { return flipped_; }
    void drawRect(Rect) override { text_->drawAtPoint(at_); }

private:
    Ref<AttributedString> text_;
    Point at_;
    bool flipped_;
};

constexpr Pixel white{255, 255, 255, 255};
constexpr Pixel red{255, 0, 0, 255};
constexpr Pixel blue{0, 0, 255, 255};

} // namespace

// Draws a full block in blue on red; checks where the block and its background land.
TEST(TextDrawing, GlyphsAndBackgroundStandBelowThePointInFlippedViewsAndAboveItOtherwise) {
    const auto font = menlo(24);
    const double lineHeight = LayoutManager().defaultLineHeightForFont(*font);
    for (const bool flipped : {true, false}) {
        SCOPED_TRACE(flipped ? "flipped" : "unflipped");
        auto attributes = attributesWith(font);
        attributes->setObjectForKey(Color::blueColor(), ForegroundColorAttributeName());
        attributes->setObjectForKey(Color::redColor(), BackgroundColorAttributeName());
        const auto text = AttributedString::create(String::fromUtf8("\u2588\t\u2588"), attributes);
        const double width = text->size().width;
        const auto window = std::make_shared<Window>(Rect(0, 0, 200, 200), WindowStyleMask::Titled);
        window->setBackgroundColor(Color::whiteColor());
        window->contentView()->addSubview(
            std::make_shared<TextView>(Rect(0, 0, 200, 200), text, Point{50, 100}, flipped));
        window->orderFront();
        const WindowSnapshot snapshot(*window);
        // Content coordinates have y up: a flipped view puts the line below y = 100.
        const double middle = flipped ? 100 - lineHeight / 2 : 100 + lineHeight / 2;
        const double cell = widthOf("0", attributesWith(font));
        EXPECT_EQ(snapshot.pixelAt({50 + cell / 2, middle}), blue);
        EXPECT_EQ(snapshot.pixelAt({50 + cell + 5, middle}), red); // the tab's gap
        EXPECT_EQ(snapshot.pixelAt({50 + 28 + cell / 2, middle}), blue);
        EXPECT_EQ(snapshot.pixelAt({50 + width + 2, middle}), white);
        EXPECT_EQ(snapshot.pixelAt({48, middle}), white);
        EXPECT_EQ(snapshot.pixelAt({60, flipped ? 103.0 : 97.0}), white);
        window->close();
    }
}
