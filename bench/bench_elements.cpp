// What the element wrappers cost over the platform's own controls, in the same run: 10,000
// clicks delivered to a ButtonSC whose callback hears each action against the same clicks to a
// plain Button with a target, the same for value changes of a segmented control (clicks on its
// two segments in turn) and of a slider (clicks near either end in turn), and one redraw of a
// window of 500 wrapped buttons (each drawing reported to the dialog callback) against a window
// of 500 plain ones. Reported as ratios.

#include "runtime/elements/ButtonSC.h"
#include "runtime/elements/SegmentedControlSC.h"
#include "runtime/elements/SliderSC.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/Callbacks.h"

#include "platform/app/Application.h"
#include "platform/testing/UserActions.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/controls/Button.h"
#include "platform/views/controls/SegmentedControl.h"
#include "platform/views/controls/Slider.h"
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

// 10,000 clicks on the control, at each of the points in turn.
template <class Kind>
void clicks(benchmark::State& state, std::initializer_list<platform::Point> points) {
    const auto window = windowOfButtons<Kind>(1);
    const auto control = std::static_pointer_cast<Kind>(window->contentView()->subviews()[0]);
    if constexpr (std::is_base_of_v<platform::SegmentedControl, Kind>)
        control->setSegmentCount(2);
    const auto target = std::make_shared<CountingTarget>();
    control->setTarget(target);
    control->setAction({"count:", &CountingTarget::count});
    Additions::setCuiControlCallback(*control, countAction);
    actions = 0;
    for (auto _ : state)
        for (int i = 0; i < 10000; ++i)
            platform::testing::UserActions::clickInView(control,
                                                        *(points.begin() + i % points.size()));
    // Every click changed the value, and each change was heard.
    if (actions != 10000 * static_cast<std::int64_t>(state.iterations()))
        state.SkipWithError("a click was not heard");
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
    clicks<ButtonSC>(state, {{24, 9}});
}
void clicksPlain(benchmark::State& state) {
    clicks<platform::Button>(state, {{24, 9}});
}
void segmentsWrapped(benchmark::State& state) {
    clicks<SegmentedControlSC>(state, {{6, 9}, {42, 9}});
}
void segmentsPlain(benchmark::State& state) {
    clicks<platform::SegmentedControl>(state, {{6, 9}, {42, 9}});
}
void sliderWrapped(benchmark::State& state) {
    clicks<SliderSC>(state, {{46, 9}, {2, 9}});
}
void sliderPlain(benchmark::State& state) {
    clicks<platform::Slider>(state, {{46, 9}, {2, 9}});
}
void paintingWrapped(benchmark::State& state) {
    painting<ButtonSC>(state);
}
void paintingPlain(benchmark::State& state) {
    painting<platform::Button>(state);
}

BENCHMARK(clicksPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(clicksWrapped)->Unit(benchmark::kMillisecond);
BENCHMARK(segmentsPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(segmentsWrapped)->Unit(benchmark::kMillisecond);
BENCHMARK(sliderPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(sliderWrapped)->Unit(benchmark::kMillisecond);
BENCHMARK(paintingPlain)->Unit(benchmark::kMillisecond);
BENCHMARK(paintingWrapped)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("10,000 clicks, ButtonSC with a callback against a plain Button",
                              reporter.time("clicksWrapped"), reporter.time("clicksPlain"));
    RatioReporter::printRatio("10,000 segment changes, SegmentedControlSC against a plain one",
                              reporter.time("segmentsWrapped"), reporter.time("segmentsPlain"));
    RatioReporter::printRatio("10,000 slider changes, SliderSC against a plain Slider",
                              reporter.time("sliderWrapped"), reporter.time("sliderPlain"));
    RatioReporter::printRatio("a redraw of 500 ButtonSC against 500 plain Buttons",
                              reporter.time("paintingWrapped"), reporter.time("paintingPlain"));
    return 0;
}
