// What the text-view delegate costs over a plain text view, in the same run: 10,000 characters
// typed as real key presses at the end of a text view holding a megabyte of text, once with the
// shared CUI_TextViewDelegate wired (each change asked of the dialog callback, which is
// installed) and once into a plain TextView with no delegate. Reported as a ratio.

#include "runtime/elements/TextViewSC.h"
#include "runtime/elements/ViewWiring.h"
#include "runtime/shell/Callbacks.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TextStorage.h"
#include "platform/windows/Window.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

using platform::Ref;

namespace {

std::int64_t questions = 0;

void countQuestions(std::int64_t event, std::int64_t, std::int64_t, const Ref<platform::Object>&) {
    if (event == 2308)
        ++questions;
}

const Ref<platform::String>& megabyte() {
    static const Ref<platform::String> text = [] {
        std::u16string lines;
        for (int line = 0; line < 10'000; ++line)
            lines += std::u16string(99, static_cast<char16_t>(u'a' + line % 26)) + u'\n';
        return platform::String::create(lines);
    }();
    return text;
}

template <class Kind, bool wired>
void typing(benchmark::State& state) {
    const auto window = std::make_shared<platform::Window>(platform::Rect{0, 0, 600, 400},
                                                           platform::WindowStyleMask::Titled);
    const auto view = std::make_shared<Kind>(platform::Rect{0, 0, 600, 400});
    window->contentView()->addSubview(view);
    if constexpr (wired) {
        view->setIdentifier(platform::String::fromUtf8("1"));
        WireViews(1, window->contentView());
        DialogCallbackSet(countQuestions);
    }
    window->makeKeyAndOrderFront(nullptr);
    window->makeFirstResponder(view);
    questions = 0;
    for (auto _ : state) {
        state.PauseTiming();
        view->setString(megabyte());
        view->setSelectedRange({static_cast<std::int64_t>(megabyte()->length()), 0});
        state.ResumeTiming();
        for (int i = 0; i < 10'000; ++i)
            platform::testing::UserActions::typeCharacter(window,
                                                          U'a' + static_cast<char32_t>(i % 26));
    }
    if (view->textStorage()->length() != megabyte()->length() + 10'000 ||
        (wired && questions != 10'000 * static_cast<std::int64_t>(state.iterations())))
        state.SkipWithError("a typed character was lost or not asked about");
    DialogCallbackSet(nullptr);
    window->close();
}

void typingPlain(benchmark::State& state) {
    typing<platform::TextView, false>(state);
}
void typingWired(benchmark::State& state) {
    typing<TextViewSC, true>(state);
}

BENCHMARK(typingPlain)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(typingWired)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv) {
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio(
        "10,000 characters typed into a megabyte, wired delegate against a plain TextView",
        reporter.time("typingWired"), reporter.time("typingPlain"));
    return 0;
}
