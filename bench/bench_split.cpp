// What live resizing costs a window of ten panes side by side, each a column of 100 buttons:
// built of a split view whose panes are stack views, against the same window built of plain
// views that follow the window by their autoresizing masks, in the same run. Each step resizes
// the window's content to the other of two sizes; "and draw" also redraws the whole window.
// The ratios of the split view's window against the plain one's are printed at the end.

#include "platform/app/Application.h"
#include "platform/testing/WindowSnapshot.h"
#include "platform/views/SplitView.h"
#include "platform/views/StackView.h"
#include "platform/views/controls/Button.h"
#include "platform/windows/Window.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

using platform::Rect;
using platform::Ref;
using platform::View;
namespace Mask = platform::AutoresizingMask;

namespace {

constexpr int kPanes = 10;
constexpr int kControls = 100;
constexpr double kButtonWidth = 60, kButtonHeight = 20, kSpacing = 2;
constexpr platform::Size kSizes[] = {{1000, 700}, {1160, 780}};

Ref<platform::Button> button() {
    return std::make_shared<platform::Button>(Rect(0, 0, kButtonWidth, kButtonHeight));
}

// The split view's window: each pane a vertical stack of the buttons, centred across it.
Ref<View> splitContent(Rect frame) {
    auto split = std::make_shared<platform::SplitView>(frame);
    split->setVertical(true);
    for (int pane = 0; pane < kPanes; ++pane) {
        auto stack = std::make_shared<platform::StackView>();
        stack->setOrientation(platform::UserInterfaceLayoutOrientation::Vertical);
        stack->setAlignment(platform::LayoutAttribute::CenterX);
        stack->setSpacing(kSpacing);
        for (int i = 0; i < kControls; ++i)
            stack->addViewInGravity(button(), platform::StackViewGravity::Top);
        split->addSubview(stack);
    }
    split->adjustSubviews();
    return split;
}

// The plain window: equal panes that share the width by their masks, and buttons placed by
// hand from the top, kept in the middle of their pane by flexible margins.
Ref<View> plainContent(Rect frame) {
    auto content = std::make_shared<View>(frame);
    const double width = frame.width() / kPanes;
    for (int pane = 0; pane < kPanes; ++pane) {
        auto column = std::make_shared<View>(Rect(pane * width, 0, width, frame.height()));
        column->setAutoresizingMask(Mask::MinXMargin | Mask::WidthSizable | Mask::MaxXMargin |
                                    Mask::HeightSizable);
        for (int i = 0; i < kControls; ++i) {
            auto b = button();
            b->setFrameOrigin({(width - kButtonWidth) / 2,
                               frame.height() - (i + 1) * kButtonHeight - i * kSpacing});
            b->setAutoresizingMask(Mask::MinXMargin | Mask::MaxXMargin | Mask::MinYMargin);
            column->addSubview(b);
        }
        content->addSubview(column);
    }
    return content;
}

template <Ref<View> (*Content)(Rect), bool Draw>
void resize(benchmark::State& state) {
    auto window = std::make_shared<platform::Window>(Rect({0, 0}, kSizes[0]),
                                                     platform::WindowStyleMask::Titled |
                                                         platform::WindowStyleMask::Resizable);
    auto content = Content(Rect({0, 0}, kSizes[0]));
    content->setAutoresizingMask(Mask::WidthSizable | Mask::HeightSizable);
    window->contentView()->addSubview(content);
    window->makeKeyAndOrderFront(nullptr);
    int step = 0;
    for (auto _ : state) {
        window->setContentSize(kSizes[++step % 2]);
        if constexpr (Draw) {
            const platform::testing::WindowSnapshot snapshot(*window);
            benchmark::DoNotOptimize(snapshot.width());
        }
    }
    window->close();
}

void splitResize(benchmark::State& state) {
    resize<splitContent, false>(state);
}
void plainResize(benchmark::State& state) {
    resize<plainContent, false>(state);
}
void splitResizeAndDraw(benchmark::State& state) {
    resize<splitContent, true>(state);
}
void plainResizeAndDraw(benchmark::State& state) {
    resize<plainContent, true>(state);
}

BENCHMARK(plainResize)->Unit(benchmark::kMicrosecond);
BENCHMARK(splitResize)->Unit(benchmark::kMicrosecond);
BENCHMARK(plainResizeAndDraw)->Unit(benchmark::kMillisecond);
BENCHMARK(splitResizeAndDraw)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("resizing, split view against plain views",
                              reporter.time("splitResize"), reporter.time("plainResize"));
    RatioReporter::printRatio("resizing and drawing, split view against plain views",
                              reporter.time("splitResizeAndDraw"),
                              reporter.time("plainResizeAndDraw"));
    return 0;
}
