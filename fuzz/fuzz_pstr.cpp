// Drives random sequences of the length-prefixed string operations, the temporary string stack
// and the number conversions with arbitrary length bytes, positions, counts and stack states.
// Each string the fuzzer names is a separate heap buffer of exactly 256 bytes, so the address
// sanitizer sees any access outside it; the results are checked against what the operations
// promise.

#include "platform/foundation/String.h"
#include "runtime/core/NumberText.h"
#include "runtime/core/PStr.h"
#include "runtime/core/Random.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/core/TempPStrStack.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

// Reads the fuzzer's input as a stream of values; past its end every value is 0.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return offset_ >= size_; }
    std::uint8_t byte() { return offset_ < size_ ? data_[offset_++] : 0; }
    template <class T>
    T value() {
        std::array<std::uint8_t, sizeof(T)> bytes{};
        for (auto& b : bytes)
            b = byte();
        T result;
        std::memcpy(&result, bytes.data(), sizeof(T));
        return result;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

void check(bool condition) {
    if (!condition)
        std::abort();
}

constexpr int VariableCount = 4;

struct Strings {
    std::array<std::unique_ptr<PStr>, VariableCount> variables;
    PStr* lastTemporary = nullptr;

    // One of the variables, the last temporary slot handed out or the shared result.
    PStr& pick(Input& input) {
        const int choice = input.byte() % (VariableCount + 2);
        if (choice < VariableCount)
            return *variables[static_cast<std::size_t>(choice)];
        if (choice == VariableCount && lastTemporary)
            return *lastTemporary;
        return pstrResult();
    }
};

// Whether the pattern occurs in the text at the 1-based position.
bool occursAt(const PStr& text, const PStr& pattern, int position) {
    return position >= 1 && position + pattern[0] - 1 <= text[0] &&
           std::memcmp(text.data() + position, pattern.data() + 1, pattern[0]) == 0;
}

void step(Input& input, Strings& strings) {
    switch (input.byte() % 17) {
    case 0: {
        // The overflow report ends the process by design, so the fuzzer stops short of it.
        if (gQVStk() >= PStrStackSize - 1)
            return;
        PStr& slot = TempPStr();
        check(gQVStk() >= 1 && gQVStk() < PStrStackSize);
        strings.lastTemporary = &slot;
        break;
    }
    case 1: {
        PStr& destination = strings.pick(input);
        const PStr source = strings.pick(input);
        PStrCopy(destination, source);
        check(std::memcmp(destination.data(), source.data(), source[0] + 1u) == 0);
        break;
    }
    case 2: {
        PStr& destination = strings.pick(input);
        const int before = destination[0];
        const PStr source = strings.pick(input);
        PStrAppend(destination, source);
        check(destination[0] == std::min(255, before + source[0]));
        break;
    }
    case 3: {
        PStr& a = strings.pick(input);
        PStr& b = strings.pick(input);
        PStrEqual(a, b);
        break;
    }
    case 4:
        PStrLength(strings.pick(input));
        break;
    case 5: {
        const PStr source = strings.pick(input);
        const auto start = input.value<std::int16_t>();
        const auto count = input.value<std::int16_t>();
        const PStr& result = PStrMid(source, start, count);
        check(result[0] <= source[0] && result[0] <= std::max<int>(count, 0));
        const int first = start < 1 ? 1 : start;
        check(result[0] == 0 ||
              std::memcmp(result.data() + 1, source.data() + first, result[0]) == 0);
        break;
    }
    case 6: {
        const PStr source = strings.pick(input);
        check(PStrUpper(source)[0] == source[0]);
        break;
    }
    case 7: {
        const auto count = input.value<std::int16_t>();
        const PStr& result = PStrFill(count, input.byte());
        check(result[0] == (static_cast<std::uint16_t>(count) <= 255 ? count : 0));
        break;
    }
    case 8: {
        const auto start = input.value<std::int16_t>();
        const PStr text = strings.pick(input);
        const PStr pattern = strings.pick(input);
        const int position = PStrFind(start, text, pattern);
        check(position == 0 || (position >= start && occursAt(text, pattern, position)));
        break;
    }
    case 9: {
        PStr& string = strings.pick(input);
        const int length = string[0];
        check(std::strlen(PStrToCString(string)) == static_cast<std::size_t>(length));
        break;
    }
    case 10:
        PStrToNSString(strings.pick(input));
        break;
    case 11:
        check(NumberToPStr(input.value<double>())[0] > 0);
        break;
    case 12:
        check(!NumberToNSString(input.value<double>())->isEmpty());
        break;
    case 13: {
        std::u16string units(input.byte(), u'\0');
        for (auto& unit : units)
            unit = input.value<char16_t>();
        NSStringToPStr(platform::String::create(units), strings.pick(input));
        break;
    }
    case 14:
        // Any index below the last slot, as an unbalanced program could leave it.
        gQVStk() = static_cast<std::int16_t>(
            std::min<int>(input.value<std::int16_t>(), PStrStackSize - 2));
        strings.lastTemporary = nullptr;
        break;
    case 15: {
        const auto n = input.value<std::int32_t>();
        const std::int32_t value = RandomUpTo(n);
        check(n == 0 ? value == 1 : n > 0 ? value >= 1 && value <= n : value > n && value <= 1);
        break;
    }
    case 16: {
        // A raw buffer: any length byte over any contents.
        PStr& string = strings.pick(input);
        for (auto& b : string)
            b = input.byte();
        break;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool initialised = (RuntimeInit(), true);
    (void)initialised;
    Input input(data, size);
    Strings strings;
    for (auto& variable : strings.variables) {
        variable = std::make_unique<PStr>();
        for (auto& b : *variable)
            b = input.byte();
    }
    gQVStk() = 0;
    while (!input.done())
        step(input, strings);
    return 0;
}
