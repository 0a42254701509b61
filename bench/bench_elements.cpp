// What the element wrappers cost over the platform's own controls, in the same run: 10,000
// clicks delivered to a ButtonSC whose callback hears each action against the same clicks to a
// plain Button with a target, and one redraw of a window of 500 wrapped buttons (each drawing
// reported to the dialog callback) against a window of 500 plain ones. Reported as ratios.

#include "runtime/elements/ButtonSC.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/Callbacks.h"

#include "platform/app/Application.h"
#include "platform/testing/UserActions.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/controls/Button.h"
#include "platform/windows/Window.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

using platform::Ref;

namespace {

std::int64_t actions = 0;

class CountingTarget : public platform::Object {
public:
    void count(const Ref<platform::Object>&) { ++actions; }
};

void countAction(std::int64_t, std::int64_t, void*) {
    ++actions;
}
void hearNothing(std::int64_t, std::int64_t, std::int64_t, const Ref<platform::Object>&) {}

template <class Kind>
Ref<platform::Window> windowOfButtons(int count) {
    const auto window = std::make_shared<platform::Window>(platform::Rect{0, 0, 1000, 500},
                                                           platform::WindowStyleMask::Titled);
    for (int i = 0; i < count; ++i)
        window->contentView()->addSubview(
            std::make_shared<Kind>(platform::Rect{(i % 20) * 50.0, (i / 20) * 20.0, 48, 18}));
    window->makeKeyAndOrderFront(nullptr);
    return window;
}

template <class Kind>
void clicks(benchmark::State& state) {
    const auto window = windowOfButtons<Kind>(1);
    const auto button = std::static_pointer_cast<Kind>(window->contentView()->subviews()[0]);
    const auto target = std::make_shared<CountingTarget>();
    button->setTarget(target);
    button->setAction({"count:", &CountingTarget::count});
    Additions::setCuiControlCallback(*button, countAction);
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i)
            platform::testing::UserActions::clickInView(button, {24, 9});
    window->close();
}

template <class Kind>
void painting(benchmark::State& state) {
    DialogCallbackSet(hearNothing);
    const auto window = windowOfButtons<Kind>(500);
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::testing::WindowSnapshot(*window).width());
    window->close();
    DialogCallbackSet(nullptr);
}

void clicksWrapped(benchmark::State& state) {
    clicks<ButtonSC>(state);
}
void clicksPlain(benchmark::State& state) {
    clicks<platform::Button>(state);
}
void paintingWrapped(benchmark::State& state) {
    painting<ButtonSC>(state);
}
void paintingPlain(benchmark::State& state) {
    painting<platform::Button>(state);
}

BENCHMARK(clicksPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(clicksWrapped)->Unit(benchmark::kMillisecond);
BENCHMARK(paintingPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(paintingWrapped)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("10,000 clicks, ButtonSC with a callback against a plain Button",
                              reporter.time("clicksWrapped"), reporter.time("clicksPlain"));
    RatioReporter::printRatio("a redraw of 500 ButtonSC against 500 plain Buttons",
                              reporter.time("paintingWrapped"), reporter.time("paintingPlain"));
    return 0;
}
