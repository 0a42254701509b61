// A typical message of the game built from length-prefixed strings on the temporary string
// stack (copy, three appends, a find and upper case) against the same built with std::string.
// The ratio of the two is printed after the run.

#include "runtime/core/NumberText.h"
#include "runtime/core/PStr.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/core/TempPStrStack.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr PStr greeting = PStrLiteral("The CPU asks ");
constexpr PStr player = PStrLiteral("Annabelle Smithfield");
constexpr PStr question = PStrLiteral(": do you have a Queen? ");
constexpr PStr again = PStrLiteral("Ask again.");
constexpr PStr queen = PStrLiteral("Queen");

void pstrMessage(benchmark::State& state) {
    RuntimeInit();
    gQVStk() = 0;
    int position = 0;
    for (auto _ : state) {
        PStr& message = PStrCopy(TempPStr(), greeting);
        PStrAppend(message, player);
        PStrAppend(message, question);
        PStrAppend(message, again);
        position += PStrFind(1, PStrCopy(TempPStr(), message), PStrCopy(TempPStr(), queen));
        PStr& upper = PStrUpper(message);
        benchmark::DoNotOptimize(upper.data());
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(position);
}
BENCHMARK(pstrMessage);

void stdStringMessage(benchmark::State& state) {
    const std::string greetingText = "The CPU asks ";
    const std::string playerText = "Annabelle Smithfield";
    const std::string questionText = ": do you have a Queen? ";
    const std::string againText = "Ask again.";
    const std::string queenText = "Queen";
    std::size_t position = 0;
    for (auto _ : state) {
        std::string message = greetingText;
        message += playerText;
        message += questionText;
        message += againText;
        position += message.find(queenText);
        std::string upper = message;
        std::transform(upper.begin(), upper.end(), upper.begin(),
                       [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
        benchmark::DoNotOptimize(upper.data());
        benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(position);
}
BENCHMARK(stdStringMessage);

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("length-prefixed / std::string message build",
                              reporter.time("pstrMessage"), reporter.time("stdStringMessage"));
    return 0;
}
