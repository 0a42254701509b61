#pragma once

// Google Benchmark's console report, remembering each run's real time per iteration by function
// and argument, so that a program can print its ratios against a baseline of the same run.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // With repetitions, the mean stands for the benchmark.
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "mean")
                times_[run.run_name.function_name][run.run_name.args] = run.GetAdjustedRealTime();
    }

    // The time per iteration of a run, by function and argument ("" without one); 0 when it did
    // not run.
    double time(const std::string& function, const std::string& argument = "") const {
        const auto byFunction = times_.find(function);
        if (byFunction == times_.end())
            return 0;
        const auto byArgument = byFunction->second.find(argument);
        return byArgument == byFunction->second.end() ? 0 : byArgument->second;
    }

    // The arguments a function ran with and their times.
    const std::map<std::string, double>& runsOf(const std::string& function) const {
        static const std::map<std::string, double> none;
        const auto byFunction = times_.find(function);
        return byFunction == times_.end() ? none : byFunction->second;
    }

    // Prints "label: ratio" of two times when both ran.
    static void printRatio(const char* label, double measured, double baseline) {
        if (measured > 0 && baseline > 0)
            std::printf("%s: %.2f\n", label, measured / baseline);
    }

private:
    std::map<std::string, std::map<std::string, double>> times_;
};

// Runs the benchmarks of the program with the reporter and returns it for the ratios.
inline void runBenchmarks(int& argc, char** argv, RatioReporter& reporter) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
