// The input formatter judging single edits: the set it builds from the characters, pass and case
// option, the maximum length, the case conversion, the selection after a replaced edit, and the
// callback form that leaves every decision to the program.

#include "runtime/input/CUI_ControlFormatter.h"

#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/views/TextField.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using platform::Range;
using platform::Ref;
using platform::String;

namespace {

// What the field would show after the edit, and the selection the formatter left.
struct Judged {
    bool accepted;
    std::string shown;
    Range selection;
};

// Proposes the edit from "before" to "proposed" with the cursor at the end of the proposal.
Judged judge(CUI_ControlFormatter& formatter, const std::string& before,
             const std::string& proposed, std::int64_t cursor = -1) {
    const Ref<String> proposal = String::fromUtf8(proposed);
    Ref<String> partial = proposal;
    const auto length = static_cast<std::int64_t>(partial->length());
    Range selection{cursor < 0 ? length : cursor, 0};
    Ref<String> error;
    const auto original = String::fromUtf8(before);
    const bool accepted =
        formatter
            .isPartialStringValidProposedSelectedRangeOriginalStringOriginalSelectedRangeErrorDescription(
                &partial, &selection, original,
                Range{static_cast<std::int64_t>(original->length()), 0}, &error);
    // A refused edit shows its replacement, or else the text before it.
    const std::string shown = accepted ? proposed : partial != proposal ? partial->utf8() : before;
    return {accepted, shown, selection};
}

Ref<CUI_ControlFormatter> filter(const char* characters, bool pass, std::uint64_t length,
                                 std::uint64_t option) {
    return CUI_ControlFormatter::initWithCharactersPassLengthCaseOption(
        characters ? String::fromUtf8(characters) : nullptr, pass, length, option);
}

} // namespace

TEST(ControlFormatterFilter, RemovesConvertsOrAcceptsEachEdit) {
    struct Case {
        const char* characters;
        bool pass;
        std::uint64_t length;
        std::uint64_t option;
        const char* before;
        const char* proposed;
        bool accepted;
        const char* shown;
    };
    const Case cases[] = {
        // Only a, b and c (either case) pass, in upper case.
        {"abc", true, 0, 3, "A", "AB", true, "AB"},
        {"abc", true, 0, 3, "A", "Ad", false, "A"},
        {"abc", true, 0, 3, "", "aXbYc", false, "ABC"},
        // a, b and c are refused in their own case only.
        {"abc", false, 0, 1, "", "a", false, ""},
        {"abc", false, 0, 1, "", "A", true, "A"},
        {"abc", false, 0, 1, "A", "AxbB", false, "AxB"},
        // Without case sensitivity the refused characters go in both cases.
        {"abc", false, 0, 0, "", "xAby", false, "xy"},
        // Lower case and capitalised conversions of what passes.
        {"abc ", true, 0, 2, "", "CAB", false, "cab"},
        {"abc ", true, 0, 4, "", "cab BAC", false, "Cab Bac"},
        // Any other option converts nothing and still names both cases.
        {"abc", false, 0, 9, "", "xA", false, "x"},
        // The length is counted before filtering; a longer edit is refused as a whole.
        {"0123456789", true, 3, 0, "12", "123", true, "123"},
        {"0123456789", true, 3, 0, "123", "1234", false, "123"},
        {"0123456789", true, 3, 0, "1", "1a2b", false, "1"},
        // No characters: pass lets nothing through, refusing lets everything through.
        {nullptr, false, 0, 0, "", "any text", true, "any text"},
        {"", true, 0, 0, "", "x", false, ""},
        // A character outside the basic plane is one character of the set.
        {"\xF0\x9F\x82\xA1", false, 0, 0, "",
         "a\xF0\x9F\x82\xA1"
         "b",
         false, "ab"},
    };
    for (const Case& c : cases) {
        const auto formatter = filter(c.characters, c.pass, c.length, c.option);
        const Judged judged = judge(*formatter, c.before, c.proposed);
        EXPECT_EQ(judged.accepted, c.accepted) << c.before << " -> " << c.proposed;
        EXPECT_EQ(judged.shown, c.shown) << c.before << " -> " << c.proposed;
    }
}

TEST(ControlFormatterFilter, ANegativeLengthStoredUnsignedLimitsNothing) {
    const auto formatter = filter("", false, static_cast<std::uint64_t>(std::int64_t{-2}), 0);
    EXPECT_TRUE(judge(*formatter, "", std::string(300, 'x')).accepted);
}

TEST(ControlFormatterFilter, TheCursorStaysBesideTheCharactersItWasBeside) {
    const auto formatter = filter("abc", true, 0, 3);
    // d typed between A and B is dropped: the cursor stays between them, not after B.
    EXPECT_EQ(judge(*formatter, "AB", "AdB", 2).selection, (Range{1, 0}));
    // b typed between A and C is upper-cased in place.
    EXPECT_EQ(judge(*formatter, "AC", "AbC", 2).selection, (Range{2, 0}));
    // A pasted "x1c" before B: two characters dropped, the cursor after the C.
    EXPECT_EQ(judge(*formatter, "AB", "Ax1cB", 4).selection, (Range{2, 0}));
}

TEST(ControlFormatterFilter, ResettingTheFilterReplacesEverything) {
    const auto formatter = filter("abc", true, 2, 3);
    formatter->setCharactersPassLengthCaseOption(String::fromUtf8("xyz"), false, 0, 1);
    EXPECT_TRUE(judge(*formatter, "", "abcX").accepted);
    EXPECT_EQ(judge(*formatter, "", "axy").shown, "a");
}

namespace {

// What the callback was given last: the tag, the proposed and the original text, where the
// original selection was, and whether the user data came through.
std::string seen;
int userData = 0;

bool upperOnlyCallback(std::int64_t tag, Ref<String>* partial, Range* selection,
                       const Ref<String>& original, Range originalSelection, Ref<String>*,
                       void* data) {
    seen = std::to_string(tag) + " " + (*partial)->utf8() + " " + original->utf8() + " " +
           std::to_string(originalSelection.location) + (data == &userData ? " data" : "");
    if ((*partial)->isEqual(*(*partial)->uppercaseString()))
        return true;
    *partial = (*partial)->uppercaseString();
    *selection = Range{0, 0};
    return false;
}

} // namespace

TEST(ControlFormatterCallback, DecidesAloneWithTheControlsTag) {
    const auto field = std::make_shared<platform::TextField>();
    field->setTag(42);
    const auto formatter =
        CUI_ControlFormatter::initWithControlCallbackUserData(field, upperOnlyCallback, &userData);
    // The callback form has no filter of its own: no set, no length.
    formatter->setLength(1);
    const Judged judged = judge(*formatter, "A", "Ab");
    EXPECT_FALSE(judged.accepted);
    EXPECT_EQ(judged.shown, "AB");
    EXPECT_EQ(judged.selection, (Range{0, 0}));
    EXPECT_EQ(seen, "42 Ab A 1 data");
    EXPECT_TRUE(judge(*formatter, "A", "AB").accepted);
}

TEST(ControlFormatterValues, StringsPassThroughAsCopiesAndOtherObjectsDoNot) {
    const auto formatter = filter("abc", true, 0, 0);
    const auto text = String::fromUtf8("Zed");
    const auto shown = formatter->stringForObjectValue(text);
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->isEqual(*text));
    EXPECT_NE(shown, text);
    EXPECT_EQ(formatter->stringForObjectValue(platform::Number::numberWithInteger(3)), nullptr);
    Ref<platform::Object> object;
    EXPECT_TRUE(formatter->getObjectValueForStringErrorDescription(&object, text, nullptr));
    EXPECT_TRUE(object && object->isEqual(*text) && object != text);
    EXPECT_FALSE(formatter->getObjectValueForStringErrorDescription(&object, nullptr, nullptr));
}
