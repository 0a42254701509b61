#include "runtime/core/TempPStrStack.h"

#include "platform/foundation/MacRoman.h"
#include "platform/foundation/String.h"
#include "runtime/core/CaseTables.h"
#include "runtime/core/RuntimeAlert.h"

#include <array>
#include <cstdlib>
#include <cstring>

namespace {

struct PStrStack {
    std::array<PStr, PStrStackSize> slots{};
    std::int16_t index = 0;
    PStr result{};
};

PStrStack stack;

void lower(int count) {
    stack.index = static_cast<std::int16_t>(stack.index > count ? stack.index - count : 0);
}

[[noreturn]] void reportOverflow() {
    RuntimeAlert(platform::String::stringWithFormat(
                     "Pascal String stack index ( gQVStk ) exceeds string stack size of %d. "
                     "Quorvel will terminate",
                     PStrStackSize),
                 platform::String::fromUtf8("If 'Source File Combining'( in Build Settings ) is "
                                            "turned OFF, try setting to Medium or Maximum"),
                 1);
    std::abort();
}

} // namespace

std::int16_t& gQVStk() {
    return stack.index;
}

PStr& pstrResult() {
    return stack.result;
}

PStr& TempPStr() {
    if (stack.index < 0)
        stack.index = 0;
    if (stack.index >= PStrStackSize - 1)
        reportOverflow();
    return stack.slots[static_cast<std::size_t>(++stack.index)];
}

std::int8_t PStrEqual(PStr& a, PStr& b) {
    lower(2);
    if (&a == &b)
        return 0;
    // Only the sign of the comparison is kept: its low byte alone could be 0 for unequal texts.
    const int order = std::strcmp(PStrToCString(a), PStrToCString(b));
    return static_cast<std::int8_t>(order < 0 ? -1 : order > 0 ? 1 : 0);
}

int PStrLength(const PStr& string) {
    lower(1);
    return string[0];
}

PStr& PStrMid(const PStr& string, std::int16_t start, std::int16_t count) {
    lower(1);
    const int length = string[0];
    const int first = start < 1 ? 1 : start;
    int taken = count < 1 ? 0 : count;
    if (taken > length)
        taken = length;
    if (first > length)
        taken = 0;
    else if (taken > length - first + 1)
        taken = length - first + 1;
    std::memmove(stack.result.data() + 1, string.data() + first, static_cast<std::size_t>(taken));
    stack.result[0] = static_cast<std::uint8_t>(taken);
    return stack.result;
}

PStr& PStrUpper(const PStr& string) {
    lower(1);
    const CaseTable& upper = upperTable();
    const int length = string[0];
    for (int i = 1; i <= length; ++i)
        stack.result[static_cast<std::size_t>(i)] = upper[string[static_cast<std::size_t>(i)]];
    stack.result[0] = static_cast<std::uint8_t>(length);
    return stack.result;
}

PStr& PStrFill(std::int16_t count, std::uint8_t byte) {
    const auto length = static_cast<std::uint16_t>(count);
    if (length > PStrMaxLength) {
        stack.result[0] = 0;
        return stack.result;
    }
    std::memset(stack.result.data() + 1, byte, length);
    stack.result[0] = static_cast<std::uint8_t>(length);
    return stack.result;
}

int PStrFind(std::int16_t start, const PStr& string, const PStr& pattern) {
    lower(2);
    const int length = string[0];
    const int patternLength = pattern[0];
    if (patternLength == 0)
        return 0;
    const int first = start < 2 ? 1 : start;
    for (int position = first; position + patternLength - 1 <= length; ++position) {
        int i = patternLength;
        while (i > 0 && string[static_cast<std::size_t>(position + i - 1)] ==
                            pattern[static_cast<std::size_t>(i)])
            --i;
        if (i == 0)
            return position;
    }
    return 0;
}

platform::Ref<platform::String> PStrToNSString(const PStr& string) {
    auto result = platform::StringCreateWithPascalString(string.data());
    lower(1);
    return result;
}
