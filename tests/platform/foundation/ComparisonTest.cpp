#include "platform/foundation/Comparison.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"

#include <gtest/gtest.h>

#include <optional>

namespace platform {
namespace {

TEST(Comparison, SelectorNames) {
    EXPECT_EQ(comparisonSelectorNamed("compare:"), ComparisonSelector::Compare);
    EXPECT_EQ(comparisonSelectorNamed("caseInsensitiveCompare:"),
              ComparisonSelector::CaseInsensitiveCompare);
    EXPECT_EQ(comparisonSelectorNamed("localizedCompare:"), ComparisonSelector::LocalizedCompare);
    EXPECT_EQ(comparisonSelectorNamed("compare"), std::nullopt);
    EXPECT_EQ(comparisonSelectorNamed("isEqual:"), std::nullopt);
}

TEST(Comparison, StringsAnswerEveryComparisonAndNumbersOnlyCompare) {
    const auto a = String::fromUtf8("a");
    const auto upperB = String::fromUtf8("B");
    const auto one = Number::numberWithInteger(1);
    const auto half = Number::numberWithDouble(0.5);
    const auto array = Array::array();
    using S = ComparisonSelector;
    using R = ComparisonResult;
    struct Case {
        const Object& a;
        const Object& b;
        S selector;
        std::optional<R> expected;
    };
    const Case cases[] = {
        {*a, *upperB, S::Compare, R::Descending},
        {*a, *upperB, S::CaseInsensitiveCompare, R::Ascending},
        {*a, *a, S::LocalizedCompare, R::Same},
        {*one, *half, S::Compare, R::Descending},
        {*one, *half, S::CaseInsensitiveCompare, std::nullopt},
        {*one, *a, S::Compare, std::nullopt},
        {*a, *one, S::Compare, std::nullopt},
        {*array, *array, S::Compare, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(compareBySelector(c.a, c.b, c.selector), c.expected)
            << c.a.description()->utf8() << " " << c.b.description()->utf8();
    EXPECT_TRUE(respondsToComparison(*a, S::LocalizedCompare));
    EXPECT_TRUE(respondsToComparison(*one, S::Compare));
    EXPECT_FALSE(respondsToComparison(*one, S::CaseInsensitiveCompare));
    EXPECT_FALSE(respondsToComparison(*array, S::Compare));
}

} // namespace
} // namespace platform
