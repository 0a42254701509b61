// The dynamic array against a nested std::vector of object references doing the same work, on
// a two-dimensional array of 1,000 rows of 1,000 numbers: storing with growth, reading,
// appending, removing, removing nulls, sorting, and writing and reading a file. The baseline
// reads give an owned reference, as the dynamic array's reads do; its file is a plain binary
// dump of the integers. The ratio of each pair is printed after the run. Last, the file reader on
// a dictionary of 80,000 one-entry array keys against one of 80,000 integer keys: collections as
// keys must cost about what numbers do.

#include "RatioReporter.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Null.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "runtime/arrays/MDAObj.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using platform::Array;
using platform::Number;
using platform::Object;
using platform::Ref;
using Grid = std::vector<std::vector<Ref<Object>>>;

constexpr std::int64_t Rows = 1000;
constexpr std::int64_t Columns = 1000;

// One number per slot, in random order, made once for every benchmark.
const std::vector<Ref<Object>>& numbers() {
    static const std::vector<Ref<Object>> pool = [] {
        std::mt19937_64 random(42);
        std::vector<Ref<Object>> result;
        result.reserve(Rows * Columns);
        for (std::int64_t k = 0; k < Rows * Columns; ++k)
            result.push_back(Number::numberWithInteger(static_cast<std::int64_t>(random() >> 1)));
        return result;
    }();
    return pool;
}

const Ref<Object>& element(std::int64_t row, std::int64_t column) {
    return numbers()[static_cast<std::size_t>(row * Columns + column)];
}

// A full array; with holes, every other slot is empty.
Ref<MDAObj> filledMda(bool holes = false) {
    auto mda = MDAObj::create(Array::array(), 2);
    for (std::int64_t i = 0; i < Rows; ++i)
        for (std::int64_t j = 0; j < Columns; ++j)
            mda->setObject(holes && j % 2 ? nullptr : element(i, j), i, j);
    return mda;
}

Grid filledGrid(bool holes = false) {
    Grid grid(Rows);
    for (std::int64_t i = 0; i < Rows; ++i)
        for (std::int64_t j = 0; j < Columns; ++j)
            grid[i].push_back(holes && j % 2 ? nullptr : element(i, j));
    return grid;
}

void storeInGrid(Grid& grid, const Ref<Object>& object, std::size_t i, std::size_t j) {
    if (grid.size() <= i)
        grid.resize(i + 1);
    auto& row = grid[i];
    if (row.size() <= j)
        row.resize(j + 1);
    row[j] = object;
}

void mdaStore(benchmark::State& state) {
    numbers();
    for (auto _ : state) {
        auto mda = MDAObj::create(Array::array(), 2);
        for (std::int64_t i = 0; i < Rows; ++i)
            for (std::int64_t j = 0; j < Columns; ++j)
                mda->setObject(element(i, j), i, j);
        state.PauseTiming();
        mda.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(mdaStore)->Unit(benchmark::kMillisecond)->Iterations(5);

void vectorStore(benchmark::State& state) {
    numbers();
    for (auto _ : state) {
        Grid grid;
        for (std::int64_t i = 0; i < Rows; ++i)
            for (std::int64_t j = 0; j < Columns; ++j)
                storeInGrid(grid, element(i, j), i, j);
        benchmark::DoNotOptimize(grid.data());
        state.PauseTiming();
        grid.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(vectorStore)->Unit(benchmark::kMillisecond)->Iterations(5);

void mdaRead(benchmark::State& state) {
    const auto mda = filledMda();
    for (auto _ : state)
        for (std::int64_t i = 0; i < Rows; ++i)
            for (std::int64_t j = 0; j < Columns; ++j) {
                Ref<Object> object = mda->object(i, j);
                benchmark::DoNotOptimize(object);
            }
}
BENCHMARK(mdaRead)->Unit(benchmark::kMillisecond)->Iterations(5);

void vectorRead(benchmark::State& state) {
    const Grid grid = filledGrid();
    for (auto _ : state)
        for (std::size_t i = 0; i < Rows; ++i)
            for (std::size_t j = 0; j < Columns; ++j) {
                Ref<Object> object = i < grid.size() && j < grid[i].size() ? grid[i][j] : nullptr;
                benchmark::DoNotOptimize(object);
            }
}
BENCHMARK(vectorRead)->Unit(benchmark::kMillisecond)->Iterations(5);

void mdaAppend(benchmark::State& state) {
    numbers();
    for (auto _ : state) {
        auto mda = MDAObj::create(Array::array(), 2);
        for (std::int64_t i = 0; i < Rows; ++i)
            for (std::int64_t j = 0; j < Columns; ++j)
                mda->addObject(element(i, j), i, 0);
        state.PauseTiming();
        mda.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(mdaAppend)->Unit(benchmark::kMillisecond)->Iterations(5);

void vectorAppend(benchmark::State& state) {
    numbers();
    for (auto _ : state) {
        Grid grid;
        for (std::size_t i = 0; i < Rows; ++i)
            for (std::size_t j = 0; j < Columns; ++j) {
                if (grid.size() <= i)
                    grid.resize(i + 1);
                grid[i].push_back(element(i, j));
            }
        benchmark::DoNotOptimize(grid.data());
        state.PauseTiming();
        grid.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(vectorAppend)->Unit(benchmark::kMillisecond)->Iterations(5);

// Removes every element, each row from its end.
void mdaRemove(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto mda = filledMda();
        state.ResumeTiming();
        for (std::int64_t i = 0; i < Rows; ++i)
            for (std::int64_t j = Columns - 1; j >= 0; --j)
                mda->remove(i, j);
    }
}
BENCHMARK(mdaRemove)->Unit(benchmark::kMillisecond)->Iterations(5);

void vectorRemove(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Grid grid = filledGrid();
        state.ResumeTiming();
        for (std::size_t i = 0; i < Rows; ++i)
            for (std::size_t j = Columns; j-- > 0;)
                if (i < grid.size() && j < grid[i].size())
                    grid[i].erase(grid[i].begin() + static_cast<std::ptrdiff_t>(j));
        benchmark::DoNotOptimize(grid.data());
    }
}
BENCHMARK(vectorRemove)->Unit(benchmark::kMillisecond)->Iterations(5);

void mdaRemoveNulls(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto mda = filledMda(true);
        state.ResumeTiming();
        mda->removeNulls();
        state.PauseTiming();
        mda.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(mdaRemoveNulls)->Unit(benchmark::kMillisecond)->Iterations(5);

void vectorRemoveNulls(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Grid grid = filledGrid(true);
        state.ResumeTiming();
        for (auto& row : grid)
            row.erase(std::remove(row.begin(), row.end(), nullptr), row.end());
        benchmark::DoNotOptimize(grid.data());
        state.PauseTiming();
        grid.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(vectorRemoveNulls)->Unit(benchmark::kMillisecond)->Iterations(5);

void mdaSort(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        auto mda = filledMda();
        state.ResumeTiming();
        mda->sortUsingSelector(nullptr);
        state.PauseTiming();
        mda.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(mdaSort)->Unit(benchmark::kMillisecond)->Iterations(5);

void vectorSort(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Grid grid = filledGrid();
        state.ResumeTiming();
        for (auto& row : grid)
            std::stable_sort(
                row.begin(), row.end(), [](const Ref<Object>& a, const Ref<Object>& b) {
                    return static_cast<const Number&>(*a).compare(static_cast<const Number&>(*b)) ==
                           platform::ComparisonResult::Ascending;
                });
        benchmark::DoNotOptimize(grid.data());
        state.PauseTiming();
        grid.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(vectorSort)->Unit(benchmark::kMillisecond)->Iterations(5);

std::filesystem::path benchFile(const char* name) {
    return std::filesystem::temp_directory_path() /
           (std::string("bench_mda_") + std::to_string(getpid()) + name);
}

void mdaFile(benchmark::State& state) {
    const auto mda = filledMda();
    const auto path = benchFile(".mda");
    const auto url = platform::URL::fileURLWithPath(*platform::String::fromUtf8(path.string()));
    for (auto _ : state) {
        MDAObj read;
        if (!mda->writeToURL(url) || !read.readFromURL(url))
            state.SkipWithError("the file did not go through");
        state.PauseTiming();
        read.setArray(nullptr);
        state.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(mdaFile)->Unit(benchmark::kMillisecond)->Iterations(5);

void vectorFile(benchmark::State& state) {
    const Grid grid = filledGrid();
    const auto path = benchFile(".bin");
    for (auto _ : state) {
        {
            std::ofstream out(path, std::ios::binary);
            for (const auto& row : grid) {
                const std::uint64_t count = row.size();
                out.write(reinterpret_cast<const char*>(&count), sizeof count);
                for (const auto& object : row) {
                    const std::int64_t value = static_cast<const Number&>(*object).integerValue();
                    out.write(reinterpret_cast<const char*>(&value), sizeof value);
                }
            }
        }
        Grid read;
        {
            std::ifstream in(path, std::ios::binary);
            std::uint64_t count = 0;
            while (in.read(reinterpret_cast<char*>(&count), sizeof count)) {
                auto& row = read.emplace_back();
                row.reserve(count);
                std::int64_t value = 0;
                for (std::uint64_t k = 0;
                     k < count && in.read(reinterpret_cast<char*>(&value), sizeof value); ++k)
                    row.push_back(Number::numberWithInteger(value));
            }
        }
        benchmark::DoNotOptimize(read.data());
        state.PauseTiming();
        read.clear();
        state.ResumeTiming();
    }
    std::filesystem::remove(path);
}
BENCHMARK(vectorFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// The file form of a one-dimensional array holding a dictionary of 80,000 keys, each an integer
// or an array holding the integer.
Ref<platform::Data> keysFile(bool arrayKeys) {
    auto dictionary = platform::Dictionary::dictionary();
    for (std::int64_t i = 0; i < 80000; ++i) {
        Ref<Object> key = Number::numberWithInteger(i);
        if (arrayKeys)
            key = Array::arrayWithObjects({key});
        dictionary->setObjectForKey(platform::Null::null(), key);
    }
    return MDAObj::create(Array::arrayWithObjects({dictionary}), 1)->archivedData();
}

void readKeys(benchmark::State& state) {
    const auto file = keysFile(state.range(0) == 1);
    for (auto _ : state) {
        MDAObj read;
        if (!read.readFromData(*file))
            state.SkipWithError("the file did not go through");
    }
}
BENCHMARK(readKeys)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    for (const char* work : {"Store", "Read", "Append", "Remove", "RemoveNulls", "Sort", "File"}) {
        const std::string label = std::string("dynamic array / nested vector, ") + work;
        RatioReporter::printRatio(label.c_str(), reporter.time(std::string("mda") + work),
                                  reporter.time(std::string("vector") + work));
    }
    RatioReporter::printRatio("reading 80,000 array keys / 80,000 integer keys",
                              reporter.time("readKeys", "1"), reporter.time("readKeys", "0"));
    return 0;
}
