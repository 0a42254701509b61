#include "ArraysTesting.h"

#include "platform/foundation/Data.h"

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

std::string sorted(Ref<Array> root, std::int64_t dims, const char* name) {
    auto mda = MDAObj::create(root, dims);
    mda->sortUsingSelector(name ? platform::String::fromUtf8(name) : nullptr);
    return shape(mda->array());
}

TEST(Sorting, RemovesTheNullsAndSortsEveryInnermostRow) {
    EXPECT_EQ(
        sorted(row({num(3), null(), platform::Number::numberWithDouble(1.5), num(-2)}), 1, nullptr),
        "(-2 1.5 3)");
    EXPECT_EQ(sorted(row({row({num(2), num(1)}), row({}), row({null(), num(0), num(-1)})}), 2,
                     "compare:"),
              "((1 2) () (-1 0))");
    EXPECT_EQ(sorted(row({row({row({str("b"), str("a")})}), row({row({str("d"), str("c")})})}), 3,
                     nullptr),
              "(((a b)) ((c d)))");
    // Elements beside rows are sorted too, and the rows keep their place after them.
    EXPECT_EQ(sorted(row({num(2), row({num(9), num(8)}), num(1)}), 2, nullptr), "(1 2 (8 9))");
}

// The named comparison is used when the elements answer it; compare: when they do not (or the
// name is none of the comparisons); the order of kinds when they cannot be compared at all.
TEST(Sorting, UsesTheNamedComparisonOfTheElements) {
    struct Case {
        const char* name;
        std::vector<const char*> strings;
        const char* expected;
    };
    const Case cases[] = {
        {nullptr, {"b", "A", "a", "B"}, "(A B a b)"},
        {"compare:", {"b", "A", "a", "B"}, "(A B a b)"},
        {"caseInsensitiveCompare:", {"b", "A", "a", "B"}, "(A a b B)"},
        {"localizedCompare:", {"c", "a", "b"}, "(a b c)"},
        {"lengthCompare:", {"b", "A", "a", "B"}, "(A B a b)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name ? c.name : "none");
        auto strings = Array::array();
        for (const char* s : c.strings)
            strings->addObject(str(s));
        EXPECT_EQ(sorted(row({strings}), 2, c.name), std::string("(") + c.expected + ")");
    }
}

TEST(Sorting, FallsBackToCompareForElementsWithoutTheNamedComparison) {
    EXPECT_EQ(sorted(row({num(10), num(-1), num(2)}), 1, "caseInsensitiveCompare:"), "(-1 2 10)");
    EXPECT_EQ(
        sorted(row({str("b"), num(2), str("A"), num(1), str("a")}), 1, "caseInsensitiveCompare:"),
        "(1 2 A a b)");
    const auto data = platform::Data::create({1});
    EXPECT_EQ(sorted(row({data, str("a"), num(1)}), 1, nullptr), "(1 a <01>)");
}

} // namespace
