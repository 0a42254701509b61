// The lossy Mac OS Roman conversion of a 255-character text against a plain byte copy of the
// same length, the floor for any conversion. The ratio of the two is printed after the run.

#include "platform/foundation/MacRoman.h"
#include "platform/foundation/String.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

// 255 characters of game text: mostly ASCII, with accented letters, typographic quotes and
// one character outside Mac OS Roman per sentence.
platform::Ref<platform::String> sampleText() {
    const std::string sentence = "Zoë’s “Pondaro” café — 10 ♠ cards; ";
    std::u16string units;
    const auto piece = platform::String::fromUtf8(sentence)->utf16();
    while (units.size() < 255)
        units += piece;
    units.resize(255);
    return platform::String::create(units);
}

void lossyConversion(benchmark::State& state) {
    const auto text = sampleText();
    std::array<std::uint8_t, 256> buffer{};
    for (auto _ : state) {
        platform::StringGetPascalString(*text, buffer.data(), buffer.size(),
                                        platform::PascalConversion::Lossy);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(lossyConversion);

// The baseline: each UTF-16 unit narrowed to a byte, as an ASCII-only conversion would do.
void asciiCopyBaseline(benchmark::State& state) {
    const auto text = sampleText();
    std::array<std::uint8_t, 256> buffer{};
    for (auto _ : state) {
        const std::u16string& units = text->utf16();
        benchmark::DoNotOptimize(units.data());
        buffer[0] = static_cast<std::uint8_t>(units.size());
        for (std::size_t i = 0; i < units.size(); ++i)
            buffer[1 + i] = static_cast<std::uint8_t>(units[i]);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(asciiCopyBaseline);

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("lossy conversion / byte copy", reporter.time("lossyConversion"),
                              reporter.time("asciiCopyBaseline"));
    return 0;
}
