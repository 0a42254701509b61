// The console as a long-running program fills it, each measure against a baseline of the same
// run: printing per line into a console of 10,000 and of 1,000,000 lines, and the toolkit's own
// plain-text view appending the same lines; memory per printed line at 1,000,000 lines, for the
// console and for that view; one redraw of a 600 × 800 visible area at the end of a console of
// 1,000 and of 10,000,000 lines. The redraw that draws every item is measured at the small
// sizes, to show what leaving out the items outside the redrawn area saves. Each redraw
// benchmark also reports how long clearing its console took.

#include "platform/app/Application.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/String.h"
#include "platform/testing/PlainTextBaseline.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/windows/Window.h"
#include "runtime/console/CUI_PrintToWindowView.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <malloc.h>

using platform::Color;
using platform::Ref;
using platform::String;

namespace {

constexpr double areaWidth = 600;
constexpr double areaHeight = 800;

// Lines like a long-running program's log, fifty characters each, in four colours.
const std::vector<Ref<String>>& sampleLines() {
    static const std::vector<Ref<String>> lines = {
        String::fromUtf8("Player: 3 books   CPU: 2 books   Pile: 17 cards.."),
        String::fromUtf8("Your hand:\tA 2 2 5 7 9 0 J Q K and a joker or two"),
        String::fromUtf8("What card do you want? 7, then 8, then 9 and a 10"),
        String::fromUtf8("CPU: Pondaro! The CPU takes the trick and a book."),
    };
    return lines;
}

const std::vector<Ref<Color>>& sampleColors() {
    static const std::vector<Ref<Color>> colors = {Color::blackColor(), Color::greenColor(),
                                                   Color::orangeColor(), Color::redColor()};
    return colors;
}

void printLines(CUI_PrintToWindowView& console, std::int64_t count) {
    const auto& lines = sampleLines();
    const auto& colors = sampleColors();
    for (std::int64_t i = 0; i < count; ++i) {
        const auto k = static_cast<std::size_t>(i) % lines.size();
        console.setForegroundColor(colors[k]);
        console.addString(lines[k]);
    }
}

void printing(benchmark::State& state) {
    const std::int64_t lines = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        auto console = CUI_PrintToWindowView::viewWithFrame({0, 0, areaWidth, 1});
        state.ResumeTiming();
        printLines(*console, lines);
        state.PauseTiming();
        console.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(printing)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void plainTextAppend(benchmark::State& state) {
    const std::int64_t lines = state.range(0);
    const auto& samples = sampleLines();
    for (auto _ : state) {
        state.PauseTiming();
        auto view = std::make_unique<platform::testing::PlainTextBaseline>(areaWidth, areaHeight);
        state.ResumeTiming();
        for (std::int64_t i = 0; i < lines; ++i)
            view->appendLine(*samples[static_cast<std::size_t>(i) % samples.size()]);
        state.PauseTiming();
        view.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * lines);
}
BENCHMARK(plainTextAppend)->Arg(10'000)->Unit(benchmark::kMillisecond);

// A window whose content is a console of that many lines, showing its last rows.
struct ConsoleWindow {
    explicit ConsoleWindow(std::int64_t lines) {
        window->contentView()->addSubview(console);
        printLines(*console, lines);
        // The content view's y grows upwards: at origin 0 the console's bottom rows show.
        console->setFrameOrigin({0, 0});
        window->orderFront();
    }
    ~ConsoleWindow() { window->close(); }

    Ref<platform::Window> window = std::make_shared<platform::Window>(
        platform::Rect(0, 0, areaWidth, areaHeight), platform::WindowStyleMask::Titled);
    Ref<CUI_PrintToWindowView> console =
        CUI_PrintToWindowView::viewWithFrame({0, 0, areaWidth, areaHeight});
};

void redraw(benchmark::State& state, bool skipsItemsOutside) {
    ConsoleWindow shown(state.range(0));
    shown.console->setSkipsItemsOutsideDirtyRect(skipsItemsOutside);
    // Grabbing the window renders it as the toolkit paints it on screen: the window's
    // background, then the console for the rows that show.
    for (auto _ : state) {
        const platform::testing::WindowSnapshot snapshot(*shown.window);
        benchmark::DoNotOptimize(snapshot.width());
    }
    // Clearing is timed once, on the way out.
    const auto start = std::chrono::steady_clock::now();
    shown.console->clear();
    state.counters["clear_ms"] =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void redrawVisibleArea(benchmark::State& state) {
    redraw(state, true);
}
BENCHMARK(redrawVisibleArea)->Arg(1'000)->Arg(10'000'000)->Unit(benchmark::kMillisecond);

void redrawDrawingEveryItem(benchmark::State& state) {
    redraw(state, false);
}
BENCHMARK(redrawDrawingEveryItem)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);

// The bytes the process has allocated and not freed. Counted by the allocator rather than read
// from the resident size, which memory freed by earlier benchmarks and kept for reuse hides.
double allocatedBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// The memory that printing that many lines adds, per line, for the console and for the
// toolkit's plain-text view.
void printMemoryPerLine(std::int64_t lines) {
    double before = allocatedBytes();
    {
        const auto console = CUI_PrintToWindowView::viewWithFrame({0, 0, areaWidth, 1});
        printLines(*console, lines);
        std::printf("console memory per line at %lld lines: %.0f bytes\n",
                    static_cast<long long>(lines),
                    (allocatedBytes() - before) / static_cast<double>(lines));
    }
    before = allocatedBytes();
    platform::testing::PlainTextBaseline view(areaWidth, areaHeight);
    const auto& samples = sampleLines();
    for (std::int64_t i = 0; i < lines; ++i)
        view.appendLine(*samples[static_cast<std::size_t>(i) % samples.size()]);
    std::printf("plain-text view memory per line at %lld lines: %.0f bytes\n",
                static_cast<long long>(lines),
                (allocatedBytes() - before) / static_cast<double>(lines));
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    const auto perLine = [&](const char* name, const char* count) {
        return reporter.time(name, count) / std::stod(count);
    };
    RatioReporter::printRatio("printing per line, 1,000,000 lines against 10,000",
                              perLine("printing", "1000000"), perLine("printing", "10000"));
    RatioReporter::printRatio("plain-text view append against console printing, per line",
                              perLine("plainTextAppend", "10000"), perLine("printing", "10000"));
    RatioReporter::printRatio("redraw, 10,000,000 lines against 1,000",
                              reporter.time("redrawVisibleArea", "10000000"),
                              reporter.time("redrawVisibleArea", "1000"));
    RatioReporter::printRatio("redraw drawing every item, 10,000 lines against 1,000",
                              reporter.time("redrawDrawingEveryItem", "10000"),
                              reporter.time("redrawDrawingEveryItem", "1000"));
    if (!std::getenv("BENCH_CONSOLE_NO_MEMORY"))
        printMemoryPerLine(1'000'000);
    return 0;
}
