// The console as a long game's output fills it: printing N lines into a fresh console, and one
// redraw of a 600 × 800 visible area at the end of a console holding N lines, for N = 1,000,
// 10,000 and 100,000. Each is reported as a ratio against N = 1,000 after the run: printing per
// line, redrawing per pass. The redraw that draws every item is measured too, to show what
// leaving out the items outside the redrawn area saves.

#include "platform/app/Application.h"
#include "platform/drawing/Color.h"
#include "platform/foundation/String.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/windows/Window.h"
#include "runtime/console/CUI_PrintToWindowView.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using platform::Color;
using platform::Ref;
using platform::String;

namespace {

constexpr double areaWidth = 600;
constexpr double areaHeight = 800;

// Lines like the game's: a score line, a hand in colour, a question, an answer.
const std::vector<Ref<String>>& sampleLines() {
    static const std::vector<Ref<String>> lines = {
        String::fromUtf8("Player: 3 books   CPU: 2 books   Pile: 17 cards"),
        String::fromUtf8("Your hand:\tA 2 2 5 7 9 0 J Q K"),
        String::fromUtf8("What card do you want? 7"),
        String::fromUtf8("CPU: Pondaro!"),
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
BENCHMARK(printing)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

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
}

void redrawVisibleArea(benchmark::State& state) {
    redraw(state, true);
}
BENCHMARK(redrawVisibleArea)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

void redrawDrawingEveryItem(benchmark::State& state) {
    redraw(state, false);
}
BENCHMARK(redrawDrawingEveryItem)
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    // Printing is compared per line, redrawing per pass.
    for (const char* name : {"printing", "redrawVisibleArea", "redrawDrawingEveryItem"}) {
        const auto& byCount = reporter.runsOf(name);
        const auto base = byCount.find("1000");
        if (base == byCount.end() || base->second <= 0)
            continue;
        for (const auto& [count, time] : byCount) {
            const double n = std::stod(count);
            const double ratio = std::string(name) == "printing"
                                     ? (time / n) / (base->second / 1000)
                                     : time / base->second;
            std::printf("%s N = %s against N = 1000: %.2f\n", name, count.c_str(), ratio);
        }
    }
    return 0;
}
