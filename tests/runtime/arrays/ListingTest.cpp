#include "ArraysTesting.h"

#include "platform/foundation/MutableString.h"

#include <gtest/gtest.h>

namespace {

using namespace arraystesting;

Ref<MDAObj> flat() {
    return MDAObj::create(row({str("a"), null(), str("b")}), 1);
}

// Row 0 holds x, row 1 is empty, row 2 holds an empty slot and y.
Ref<MDAObj> rows() {
    return MDAObj::create(row({row({str("x")}), row({}), row({null(), str("y")})}), 2);
}

TEST(Listing, OneLinePerEntryEndedByACarriageReturn) {
    EXPECT_EQ(flat()->description()->utf8(), "\r     0: a\r     1: <null>\r     2: b\r");
    EXPECT_EQ(flat()->descriptionWithEmptyArraysNulls(true, false)->utf8(),
              "\r     0: a\r     2: b\r");
}

TEST(Listing, RowsIndentFiveBlanksPerLevelAndFlagsHideEmptyRowsAndNulls) {
    struct Case {
        bool emptyArrays, nulls;
        const char* expected;
    };
    const Case cases[] = {
        {true, true,
         "\r     0: \r          0: x\r     1: <empty>\r     2: \r          0: <null>\r"
         "          1: y\r"},
        {false, true,
         "\r     0: \r          0: x\r     2: \r          0: <null>\r          1: y\r"},
        {true, false, "\r     0: \r          0: x\r     1: <empty>\r     2: \r          1: y\r"},
        {false, false, "\r     0: \r          0: x\r     2: \r          1: y\r"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.emptyArrays << c.nulls);
        EXPECT_EQ(rows()->descriptionWithEmptyArraysNulls(c.emptyArrays, c.nulls)->utf8(),
                  c.expected);
    }
    EXPECT_EQ(rows()->description()->utf8(), cases[0].expected);
}

TEST(Listing, TaggedListingStartsAtTheLeftMargin) {
    EXPECT_EQ(rows()->descriptionWithTagEmptyArraysNulls(7, true, true)->utf8(),
              "< mda 7 >\r0: \r     0: x\r1: <empty>\r2: \r     0: <null>\r     1: y\r");
    EXPECT_EQ(flat()->descriptionWithTagEmptyArraysNulls(-3, true, false)->utf8(),
              "< mda -3 >\r0: a\r2: b\r");
}

TEST(Listing, TheStepGivesBackItsLevelAndAppendsToTheString) {
    MDAObj mda;
    auto text = platform::MutableString::create(u">");
    EXPECT_EQ(mda.descriptionIndentStringEmptyArraysNulls(row({str("a")}), 1, text, true, true), 1);
    EXPECT_EQ(text->utf8(), ">          0: a\r");
}

TEST(TableText, RowsPerLineWithTabsAfterEveryElement) {
    struct Case {
        const char* what;
        Ref<MDAObj> mda;
        const char* expected;
    };
    const Case cases[] = {
        {"two rows", MDAObj::create(row({row({str("a"), str("b")}), row({str("c")})}), 2),
         "a\tb\t\nc\t\n"},
        {"an empty row adds nothing",
         MDAObj::create(row({row({str("a")}), row({}), row({num(2)})}), 2), "a\t\n2\t\n"},
        {"a slot shows its null", MDAObj::create(row({row({null(), str("a")})}), 2),
         "<null>\ta\t\n"},
        {"one dimension", flat(), "a\n<null>\nb\n"},
        {"the tab at the very end goes", MDAObj::create(row({str("a"), str("b")}), 2), "a\tb"},
        {"empty", MDAObj::create(row({}), 2), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.mda->text()->utf8(), c.expected);
    }
}

} // namespace
