#include "CoreTesting.h"

#include "platform/foundation/String.h"
#include "runtime/core/CaseTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace coretesting;

namespace {

class PStrTest : public CoreTest {};

TEST_F(PStrTest, AppendClipsAt255BytesAndWorksOnItself) {
    struct Case {
        std::size_t destination, source, expectedLength;
    };
    for (const Case c : {Case{100, 200, 255}, Case{100, 155, 255}, Case{100, 100, 200},
                         Case{255, 10, 255}, Case{0, 0, 0}}) {
        PStr destination = PStrLiteral(std::string(c.destination, 'd'));
        PStrAppend(destination, PStrLiteral(std::string(c.source, 's')));
        EXPECT_EQ(text(destination), std::string(c.destination, 'd') +
                                         std::string(c.expectedLength - c.destination, 's'))
            << c.destination << " + " << c.source;
    }
    PStr string = PStrLiteral("abc");
    PStrAppend(string, string);
    PStrCopy(string, string);
    EXPECT_EQ(text(string), "abcabc");
}

// Each operation that consumes temporary operands lowers the index by their number: the rows
// start at 5 and must end there.
TEST_F(PStrTest, MidTakesTheBytesThatExist) {
    struct Case {
        std::int16_t start, count;
        const char* expected;
    };
    const Case cases[] = {
        {13, 5, "K"},
        {14, 1, ""},
        {0, 2, "A2"},
        {-300, 3, "A23"},
        {1, 0, ""},
        {1, -5, ""},
        {32767, 1, ""},
        {-32768, -32768, ""},
        {1, 13, "A234567890JQK"},
        {2, 32767, "234567890JQK"},
    };
    for (const Case& c : cases) {
        gQVStk() = 5;
        EXPECT_EQ(text(PStrMid(temp("A234567890JQK"), c.start, c.count)), c.expected)
            << "from " << c.start << " for " << c.count;
        EXPECT_EQ(gQVStk(), 5);
    }
}

TEST_F(PStrTest, FindGivesTheFirstPositionAtOrAfterStart) {
    struct Case {
        std::int16_t start;
        const char* text;
        const char* pattern;
        int expected;
    };
    const char* const ranks = "A234567890JQK";
    const Case cases[] = {
        {1, ranks, "23", 2},   {1, ranks, "1", 0},   {1, ranks, "A234567890JQKA", 0},
        {1, ranks, "QK", 12},  {13, ranks, "K", 13}, {14, ranks, "K", 0},
        {3, ranks, "23", 0},   {-7, ranks, "A", 1},  {32767, ranks, "K", 0},
        {1, "AAAB", "AAB", 2}, {3, "abab", "ab", 3}, {1, "", "", 0},
        {1, "abc", "", 0},
    };
    for (const Case& c : cases) {
        gQVStk() = 5;
        EXPECT_EQ(PStrFind(c.start, temp(c.text), temp(c.pattern)), c.expected)
            << c.pattern << " in " << c.text << " from " << c.start;
        EXPECT_EQ(gQVStk(), 5);
    }
}

TEST_F(PStrTest, EqualGivesTheSignOfTheOrderAZeroByteCountingAsOne) {
    struct Case {
        std::string a, b;
        int sign;
    };
    const Case cases[] = {
        {"10", "10", 0},     {"10", "1", 1},    {"1", "10", -1},
        {"", "", 0},         {"", "x", -1},     {std::string("a\0b", 3), "a\1b", 0},
        {"\x80", "\x01", 1}, {"a", "\xff", -1},
    };
    for (const Case& c : cases) {
        gQVStk() = 5;
        EXPECT_EQ(PStrEqual(temp(c.a), temp(c.b)), c.sign) << c.a << " / " << c.b;
        EXPECT_EQ(gQVStk(), 5);
    }
}

TEST_F(PStrTest, UpperFillAndCStringKeepToTheirBytes) {
    EXPECT_EQ(text(PStrUpper(temp("q Ace\x8e\xff z"))), "Q ACE\x8e\xff Z");
    EXPECT_EQ(lowerTable()['Q'], 'q');
    EXPECT_EQ(lowerTable()[0xC9], 0xC9);
    EXPECT_EQ(gQVStk(), 0);
    struct Case {
        std::int16_t count;
        std::size_t expectedLength;
    };
    for (const Case c : {Case{1, 1}, Case{0, 0}, Case{255, 255}, Case{256, 0}, Case{-1, 0}})
        EXPECT_EQ(text(PStrFill(c.count, 127)), std::string(c.expectedLength, '\x7f')) << c.count;

    PStr zeros = PStrLiteral(std::string("A\0B", 3));
    EXPECT_EQ(std::string(PStrToCString(zeros)), "A\1B");
    PStr full = PStrLiteral(std::string(255, 'x'));
    EXPECT_EQ(std::string(PStrToCString(full)), std::string(255, 'x'));
    EXPECT_EQ(full[255], 0);
}

TEST_F(PStrTest, PlatformStringsConvertThroughMacRomanLossily) {
    EXPECT_EQ(PStrLength(temp("Pondaro")), 7);
    EXPECT_EQ(PStrToNSString(temp("caf\x8e \xa5"))->utf8(), "café •");
    EXPECT_EQ(gQVStk(), 0);
    PStr string = PStrLiteral("stale");
    NSStringToPStr(platform::String::fromUtf8("Zoë ♠ 10"), string);
    EXPECT_EQ(text(string), "Zo\x91 ? 10");
    NSStringToPStr(platform::String::fromUtf8(std::string(300, 'n')), string);
    EXPECT_EQ(text(string), std::string(255, 'n'));
    NSStringToPStr(nullptr, string);
    EXPECT_EQ(text(string), "");
}

TEST_F(PStrTest, SixtyThreeSlotsAreHandedOutAndTheIndexNeverLeavesTheStack) {
    std::set<const PStr*> slots;
    for (int i = 0; i < PStrStackSize - 1; ++i)
        slots.insert(&TempPStr());
    EXPECT_EQ(slots.size(), 63u);
    EXPECT_EQ(gQVStk(), 63);

    PStr outside = PStrLiteral("x");
    gQVStk() = 1;
    PStrFind(1, outside, outside);
    EXPECT_EQ(gQVStk(), 0) << "lowered below its resting place";
    gQVStk() = -20;
    PStrCopy(TempPStr(), PStrLiteral("safe"));
    EXPECT_EQ(gQVStk(), 1);
}

} // namespace
