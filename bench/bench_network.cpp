// Downloading 100 MB from a server on 127.0.0.1 into a file: through a URL session and the
// runtime's delegate, waited for in a modal run as programs wait, against the toolkit's network
// access used directly.

#include "runtime/services/CUI_URLSessionDelegate.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/URLSession.h"
#include "platform/services/URLSessionTask.h"
#include "platform/testing/LocalHttpServer.h"
#include "platform/testing/NetworkBaseline.h"
#include "platform/windows/Window.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

using platform::Ref;

namespace {

constexpr std::int64_t kBytes = 100 * 1024 * 1024;

platform::testing::LocalHttpServer& server() {
    static platform::testing::LocalHttpServer local;
    return local;
}

std::string target() {
    return (std::filesystem::temp_directory_path() / "pondaro-bench-download").string();
}

void receive(std::int64_t event, std::int64_t, std::int64_t, const Ref<platform::Object>&) {
    if (event == URLSessionEvent::DidFinishDownloading)
        std::filesystem::rename(DialogEventUrlObj()->path()->utf8(), target());
    if (event == URLSessionEvent::DidComplete)
        platform::Application::shared()->stopModal();
}

void urlSession(benchmark::State& state) {
    const auto url = platform::URL::URLWithString(
        *platform::String::fromUtf8(server().url("/bytes/" + std::to_string(kBytes))));
    const auto delegate = std::make_shared<CUI_URLSessionDelegate>();
    const auto session = platform::URLSession::sessionWithDelegate(delegate);
    const auto window = std::make_shared<platform::Window>(platform::Rect{0, 0, 100, 40}, 0);
    DialogCallbackSet(receive);
    for (auto _ : state) {
        session->downloadTaskWithURL(url)->resume();
        platform::Application::shared()->runModalForWindow(window);
        if (std::filesystem::file_size(target()) != static_cast<std::uintmax_t>(kBytes))
            state.SkipWithError("incomplete download");
    }
    DialogCallbackSet(nullptr);
    window->close();
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(urlSession)->Unit(benchmark::kMillisecond);

void toolkitNetwork(benchmark::State& state) {
    const std::string url = server().url("/bytes/" + std::to_string(kBytes));
    for (auto _ : state)
        if (platform::testing::downloadWithToolkit(url, target()) != kBytes)
            state.SkipWithError("incomplete download");
    state.SetBytesProcessed(state.iterations() * kBytes);
}
BENCHMARK(toolkitNetwork)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    std::filesystem::remove(target());
    RatioReporter::printRatio("download of 100 MB, URL session / toolkit network access",
                              reporter.time("urlSession"), reporter.time("toolkitNetwork"));
    return 0;
}
