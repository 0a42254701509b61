#include "CoreTesting.h"

#include "platform/foundation/String.h"
#include "runtime/core/CaseTables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace coretesting;

namespace {

class PStrTest : public CoreTest {};

std::string repeated(char c, std::size_t count) {
    return std::string(count, c);
}

} // namespace

TEST_F(PStrTest, AppendClipsAt255Bytes) {
    struct Case {
        std::size_t destination, source, expectedLength;
    };
    for (const Case c : {Case{100, 200, 255}, Case{100, 155, 255}, Case{100, 100, 200},
                         Case{255, 10, 255}, Case{0, 255, 255}, Case{0, 0, 0}}) {
        PStr destination = PStrLiteral(repeated('d', c.destination));
        PStrAppend(destination, PStrLiteral(repeated('s', c.source)));
        EXPECT_EQ(text(destination),
                  repeated('d', c.destination) + repeated('s', c.expectedLength - c.destination))
            << c.destination << " + " << c.source;
    }
}

TEST_F(PStrTest, AppendAndCopyWorkOnTheSameString) {
    PStr string = PStrLiteral("abc");
    PStrAppend(string, string);
    EXPECT_EQ(text(string), "abcabc");
    PStrCopy(string, string);
    EXPECT_EQ(text(string), "abcabc");
}

TEST_F(PStrTest, MidTakesTheBytesThatExist) {
    struct Case {
        std::int16_t start, count;
        const char* expected;
    };
    const Case cases[] = {
        {10, 1, "0"},
        {13, 5, "K"},
        {14, 1, ""},
        {0, 2, "A2"},
        {-300, 3, "A23"},
        {1, 0, ""},
        {1, -5, ""},
        {2, 32767, "234567890JQK"},
        {32767, 1, ""},
        {-32768, -32768, ""},
        {1, 13, "A234567890JQK"},
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
    const Case cases[] = {
        {1, "A234567890JQK", "Q", 12},
        {1, "A234567890JQK", "23", 2},
        {1, "A234567890JQK", "1", 0},
        {1, "A234567890JQK", "A234567890JQKA", 0},
        {1, "A234567890JQK", "QK", 12},
        {13, "A234567890JQK", "K", 13},
        {14, "A234567890JQK", "K", 0},
        {3, "A234567890JQK", "23", 0},
        {-7, "A234567890JQK", "A", 1},
        {32767, "A234567890JQK", "K", 0},
        {1, "AAAB", "AAB", 2},
        {3, "abab", "ab", 3},
        {1, "", "", 0},
        {1, "abc", "", 0},
    };
    for (const Case& c : cases) {
        gQVStk() = 5;
        EXPECT_EQ(PStrFind(c.start, temp(c.text), temp(c.pattern)), c.expected)
            << c.pattern << " in " << c.text << " from " << c.start;
        EXPECT_EQ(gQVStk(), 5);
    }
}

TEST_F(PStrTest, UpperChangesOnlyAsciiLetters) {
    PStr mixed = PStrLiteral("q Ace\x8e\xff z");
    EXPECT_EQ(text(PStrUpper(PStrCopy(TempPStr(), mixed))), "Q ACE\x8e\xff Z");
    EXPECT_EQ(gQVStk(), 0);
    EXPECT_EQ(lowerTable()['Q'], 'q');
    EXPECT_EQ(lowerTable()[0xC9], 0xC9);
}

TEST_F(PStrTest, EqualIsZeroExactlyForEqualTexts) {
    struct Case {
        std::string a, b;
        bool equal;
    };
    const Case cases[] = {
        {"10", "10", true},      {"10", "1", false}, {"1", "10", false},
        {"", "", true},          {"", "x", false},   {std::string("a\0b", 3), "a\1b", true},
        {"\x80", "\x01", false},
    };
    for (const Case& c : cases) {
        gQVStk() = 5;
        const int result = PStrEqual(temp(c.a), temp(c.b));
        EXPECT_EQ(result == 0, c.equal) << c.a << " / " << c.b;
        EXPECT_EQ(gQVStk(), 5);
    }
}

TEST_F(PStrTest, FillMakesCountCopiesBelow256) {
    struct Case {
        std::int16_t count;
        std::size_t expectedLength;
    };
    for (const Case c : {Case{1, 1}, Case{0, 0}, Case{255, 255}, Case{256, 0}, Case{-1, 0}}) {
        EXPECT_EQ(text(PStrFill(c.count, 127)), repeated('\x7f', c.expectedLength)) << c.count;
    }
    EXPECT_EQ(text(PStrFill(1, 10)), "\n");
}

TEST_F(PStrTest, ToCStringTerminatesInsideTheBufferAndHidesZeros) {
    PStr string = PStrLiteral(std::string("A\0B", 3));
    EXPECT_EQ(std::string(PStrToCString(string)), "A\1B");
    PStr full = PStrLiteral(repeated('x', 255));
    EXPECT_EQ(std::string(PStrToCString(full)), repeated('x', 255));
    EXPECT_EQ(full[255], 0);
}

TEST_F(PStrTest, LengthAndPlatformStringLowerTheIndex) {
    EXPECT_EQ(PStrLength(temp("Pondaro")), 7);
    EXPECT_EQ(gQVStk(), 0);
    EXPECT_EQ(PStrToNSString(temp("caf\x8e \xa5"))->utf8(), "café •");
    EXPECT_EQ(gQVStk(), 0);
}

TEST_F(PStrTest, PlatformStringsConvertLossily) {
    PStr string = PStrLiteral("stale");
    NSStringToPStr(platform::String::fromUtf8("Zoë ♠ 10"), string);
    EXPECT_EQ(text(string), "Zo\x91 ? 10");
    NSStringToPStr(platform::String::fromUtf8(repeated('n', 300)), string);
    EXPECT_EQ(text(string), repeated('n', 255));
    NSStringToPStr(nullptr, string);
    EXPECT_EQ(text(string), "");
}

TEST_F(PStrTest, SixtyThreeSlotsCanBeInUseAtOnce) {
    std::set<const PStr*> slots;
    for (int i = 0; i < PStrStackSize - 1; ++i)
        slots.insert(&TempPStr());
    EXPECT_EQ(slots.size(), 63u);
    EXPECT_EQ(gQVStk(), 63);
}

TEST_F(PStrTest, TheIndexNeverLeavesTheStack) {
    PStr outside = PStrLiteral("x");
    gQVStk() = 1;
    PStrFind(1, outside, outside);
    EXPECT_EQ(gQVStk(), 0) << "lowered below its resting place";
    gQVStk() = -20;
    PStr& slot = TempPStr();
    EXPECT_EQ(gQVStk(), 1);
    PStrCopy(slot, PStrLiteral("safe"));
    EXPECT_EQ(text(slot), "safe");
}
