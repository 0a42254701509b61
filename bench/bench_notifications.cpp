// Delivering notifications: 100,000 posts of one notification through the default notification
// centre to the runtime's observer, against calling the same function through a plain list of
// callbacks.

#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/services/NotificationCenter.h"
#include "runtime/services/CUI_NotificationCenter.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <vector>

using platform::Ref;

namespace {

constexpr int posts = 100'000;
std::int64_t delivered = 0;

void receive(const Ref<platform::Notification>&) {
    ++delivered;
}

void notificationCenter(benchmark::State& state) {
    const auto center = platform::NotificationCenter::defaultCenter();
    const auto name = platform::String::fromUtf8("Tick");
    const auto observer = std::make_shared<CUI_NotificationCenter>(receive, name);
    center->addObserverSelectorNameObject(observer, CUI_NotificationCenter::receiveSelector(), name,
                                          nullptr);
    const auto notification = std::make_shared<platform::Notification>(name, nullptr);
    for (auto _ : state)
        for (int i = 0; i < posts; ++i)
            center->postNotification(notification);
    center->removeObserver(*observer);
    state.SetItemsProcessed(state.iterations() * posts);
}
BENCHMARK(notificationCenter)->Unit(benchmark::kMillisecond);

void callbackList(benchmark::State& state) {
    std::vector<CUI_NotificationCenter::Callback> callbacks{receive};
    benchmark::DoNotOptimize(callbacks.data());
    const auto notification =
        std::make_shared<platform::Notification>(platform::String::fromUtf8("Tick"), nullptr);
    for (auto _ : state)
        for (int i = 0; i < posts; ++i)
            for (const auto callback : callbacks)
                callback(notification);
    state.SetItemsProcessed(state.iterations() * posts);
}
BENCHMARK(callbackList)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("notifications, default centre / callback list",
                              reporter.time("notificationCenter"), reporter.time("callbackList"));
    return 0;
}
