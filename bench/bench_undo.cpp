// Registering undo steps: 100,000 changes, each its own step, registered through the runtime's
// undo target on the undo manager, against the same number of commands pushed on the toolkit's
// undo stack directly. The stack is cleared outside the timing.

#include "platform/foundation/Number.h"
#include "platform/services/UndoManager.h"
#include "platform/testing/UndoStackBaseline.h"
#include "runtime/services/CUI_UndoManagerTarget.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

using platform::Ref;

namespace {

constexpr int registrations = 100'000;

void undone(const Ref<platform::Object>&) {}

void undoManager(benchmark::State& state) {
    const auto target = std::make_shared<CUI_UndoManagerTarget>(undone);
    const auto object = platform::Number::numberWithInteger(7);
    for (auto _ : state) {
        state.PauseTiming();
        auto manager = std::make_shared<platform::UndoManager>();
        manager->setGroupsByEvent(false);
        state.ResumeTiming();
        for (int i = 0; i < registrations; ++i)
            manager->registerUndoWithTargetSelectorObject(
                target, CUI_UndoManagerTarget::undoSelector(), object);
        state.PauseTiming();
        manager.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * registrations);
}
BENCHMARK(undoManager)->Unit(benchmark::kMillisecond);

void undoStack(benchmark::State& state) {
    const auto object = platform::Number::numberWithInteger(7);
    for (auto _ : state) {
        state.PauseTiming();
        auto stack = std::make_unique<platform::testing::UndoStackBaseline>();
        state.ResumeTiming();
        for (int i = 0; i < registrations; ++i)
            stack->registerUndo(undone, object);
        state.PauseTiming();
        stack.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * registrations);
}
BENCHMARK(undoStack)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("undo registrations, undo manager / undo stack",
                              reporter.time("undoManager"), reporter.time("undoStack"));
    return 0;
}
