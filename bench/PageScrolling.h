#pragma once

// One step of the page-scrolling benchmarks: the document scrolls down by the height of the
// visible area and the window is drawn; at the end it goes back to the top, outside the measure.

#include "platform/testing/WindowSnapshot.h"
#include "platform/views/ClipView.h"
#include "platform/views/ScrollView.h"
#include "platform/windows/Window.h"

#include <benchmark/benchmark.h>

inline void scrollAPageAndDraw(benchmark::State& state, platform::ScrollView& scroll,
                               platform::Window& window) {
    const platform::Ref<platform::ClipView> clip = scroll.contentView();
    const platform::Rect visible = clip->bounds();
    if (visible.maxY() >= scroll.documentView()->frame().height()) {
        state.PauseTiming();
        clip->scrollToPoint({0, 0});
        state.ResumeTiming();
    }
    clip->scrollToPoint({0, clip->bounds().minY() + visible.height()});
    const platform::testing::WindowSnapshot snapshot(window);
    benchmark::DoNotOptimize(snapshot.width());
}
