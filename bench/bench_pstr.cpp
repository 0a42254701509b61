// A typical message of the game built from length-prefixed strings on the temporary string
// stack (copy, three appends, a find and upper case) against the same built with std::string.
// The ratio of the two is printed after the run.

#include "runtime/core/NumberText.h"
#include "runtime/core/PStr.h"
#include "runtime/core/RuntimeInit.h"
#include "runtime/core/TempPStrStack.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

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

// Prints the usual report and remembers each benchmark's time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    const auto pstr = reporter.times.find("pstrMessage");
    const auto baseline = reporter.times.find("stdStringMessage");
    if (pstr != reporter.times.end() && baseline != reporter.times.end() && baseline->second > 0)
        std::printf("length-prefixed / std::string message build: %.2f\n",
                    pstr->second / baseline->second);
    return 0;
}
