#include "CoreTesting.h"

#include "platform/foundation/String.h"
#include "runtime/core/NumberText.h"
#include "runtime/core/Random.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <string>
#include <vector>

using namespace coretesting;

namespace {

class NumberTextTest : public CoreTest {};
class RandomTest : public CoreTest {};

TEST_F(NumberTextTest, FormatsWithABlankForTheSignAndNoTrailingZeros) {
    struct Case {
        double number;
        const char* text;
    };
    const Case cases[] = {
        {52, " 52"},
        {-3, "-3"},
        {-0.0, " 0"},
        {2.05, " 2.05"},
        {-0.25, "-0.25"},
        {-2.5, "-2.5"},
        {1.0 / 3, " 0.3333333333"},
        {7.0000001, " 7"},
        {-1e-7, " 0"},
        {2.99999999999, " 3"},
        {-0.99999999999, "-1"},
        {123456.789, " 123456.789"},
        {-9007199254740993.0, "-9007199254740992"},
        {1e20, " 100000000000000000000"},
        {std::numeric_limits<double>::infinity(), " inf"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberToNSString(c.number)->utf8(), c.text) << c.number;
        EXPECT_EQ(text(NumberToPStr(c.number)), c.text) << c.number;
    }
}

TEST_F(NumberTextTest, TheLongestTextsStayInsideTheResult) {
    // The largest double has 309 digits: the text is cut after 255 bytes.
    const std::string largest = text(NumberToPStr(-std::numeric_limits<double>::max()));
    EXPECT_EQ(largest.size(), 255u);
    EXPECT_EQ(largest.substr(0, 8), "-1797693");
    EXPECT_EQ(NumberToNSString(-std::numeric_limits<double>::max())->length(), 310u);
    const auto saved = numberDigits();
    numberDigits() = 255;
    // The double nearest to 0.1, every digit of it.
    EXPECT_EQ(text(NumberToPStr(-0.1)),
              "-0.1000000000000000055511151231257827021181583404541015625");
    numberDigits() = saved;
}

TEST_F(RandomTest, EveryValueOfTheRangeComesUpAndNoOther) {
    std::map<int, int> counts;
    for (int i = 0; i < 6000; ++i)
        ++counts[RandomUpTo(6)];
    ASSERT_EQ(counts.size(), 6u);
    EXPECT_EQ(counts.begin()->first, 1);
    EXPECT_EQ(counts.rbegin()->first, 6);
    for (const auto& [value, count] : counts)
        EXPECT_GT(count, 700) << value;
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(RandomUpTo(1), 1);
        ASSERT_EQ(RandomUpTo(0), 1);
        const int negative = RandomUpTo(-3);
        ASSERT_TRUE(negative >= -2 && negative <= 1) << negative;
        ASSERT_GE(RandomUpTo(std::numeric_limits<std::int32_t>::max()), 1);
    }
}

TEST_F(RandomTest, EachSeedingGivesAnotherSequence) {
    const auto draws = [] {
        RuntimeInit();
        std::vector<int> values;
        for (int i = 0; i < 8; ++i)
            values.push_back(RandomUpTo(1000000));
        return values;
    };
    EXPECT_NE(draws(), draws());
}

} // namespace
