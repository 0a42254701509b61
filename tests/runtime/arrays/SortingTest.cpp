#include "ArraysTesting.h"

#include "platform/foundation/Data.h"

#include <gtest/gtest.h>

namespace {

using namespace arraystesting;

Ref<platform::String> selector(const char* name) {
    return platform::String::fromUtf8(name);
}

std::string sorted(Ref<Array> root, std::int64_t dims, const char* name) {
    auto mda = MDAObj::create(root, dims);
    mda->sortUsingSelector(name ? selector(name) : nullptr);
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

TEST(Sorting, ElementsBesideRowsAreSortedTooAndRowsKeepTheirPlace) {
    EXPECT_EQ(sorted(row({num(2), row({num(9), num(8)}), num(1)}), 2, nullptr), "(1 2 (8 9))");
}

} // namespace
