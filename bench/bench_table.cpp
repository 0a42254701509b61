// What a table's size costs where the user sees it: scrolling one page down and redrawing the
// window, and reloading the data, for tables of 1,000, 10,000 and 100,000 rows of two string
// columns in the same run. Cell views exist only for the rows in view, so both should stay
// near the cost of the smallest table; the ratios against 1,000 rows are printed at the end.
// What a shown table holds is counted too: its views, and the memory the process took to make
// and show it.

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/views/ClipView.h"
#include "platform/views/ScrollView.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableView.h"
#include "platform/views/tables/TableViewDataSource.h"
#include "platform/windows/Window.h"

#include "PageScrolling.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include <unistd.h>

using platform::Ref;

namespace {

class Rows : public platform::TableViewDataSource {
public:
    explicit Rows(std::int64_t count) : count_(count) {}
    std::int64_t numberOfRowsInTableView(const Ref<platform::TableView>&) override {
        return count_;
    }
    Ref<platform::Object>
    tableViewObjectValueForTableColumnRow(const Ref<platform::TableView>&,
                                          const Ref<platform::TableColumn>& column,
                                          std::int64_t row) override {
        return platform::String::fromUtf8(column->identifier()->utf8() + " " + std::to_string(row));
    }

private:
    std::int64_t count_;
};

struct ShownTable {
    Ref<platform::Window> window = std::make_shared<platform::Window>(
        platform::Rect{0, 0, 400, 500}, platform::WindowStyleMask::Titled);
    Ref<platform::ScrollView> scroll =
        std::make_shared<platform::ScrollView>(platform::Rect{0, 0, 400, 500});
    Ref<platform::TableView> table = std::make_shared<platform::TableView>();
    std::shared_ptr<Rows> rows;

    explicit ShownTable(std::int64_t count) : rows(std::make_shared<Rows>(count)) {
        for (const char* id : {"name", "score"})
            table->addTableColumn(
                std::make_shared<platform::TableColumn>(platform::String::fromUtf8(id)));
        table->setDataSource(rows);
        table->reloadData();
        scroll->setHasVerticalScroller(true);
        scroll->setDocumentView(table);
        window->contentView()->addSubview(scroll);
        window->makeKeyAndOrderFront(nullptr);
    }
    ~ShownTable() { window->close(); }
};

void scrollPage(benchmark::State& state) {
    ShownTable shown(state.range(0));
    for (auto _ : state)
        scrollAPageAndDraw(state, *shown.scroll, *shown.window);
}

long residentKilobytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

std::size_t viewsIn(const platform::View& view) {
    std::size_t count = 1;
    for (const auto& subview : view.subviews())
        count += viewsIn(*subview);
    return count;
}

void showTable(benchmark::State& state) {
    // A first table takes what every table shares, such as fonts, out of the measure.
    ShownTable{100};
    for (auto _ : state) {
        const long before = residentKilobytes();
        ShownTable shown(state.range(0));
        const Ref<platform::ClipView> clip = shown.scroll->contentView();
        clip->scrollToPoint({0, shown.table->frame().height() / 2});
        state.counters["views"] = double(viewsIn(*shown.table));
        state.counters["residentKB"] = double(residentKilobytes() - before);
    }
}

void reload(benchmark::State& state) {
    ShownTable shown(state.range(0));
    for (auto _ : state)
        shown.table->reloadData();
}

BENCHMARK(scrollPage)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(reload)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond);
BENCHMARK(showTable)->Arg(1'000)->Arg(100'000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    for (const char* rows : {"10000", "100000"}) {
        const std::string against = std::string(" rows against 1000");
        RatioReporter::printRatio(("scrolling a page, " + std::string(rows) + against).c_str(),
                                  reporter.time("scrollPage", rows),
                                  reporter.time("scrollPage", "1000"));
        RatioReporter::printRatio(("reloading, " + std::string(rows) + against).c_str(),
                                  reporter.time("reload", rows), reporter.time("reload", "1000"));
    }
    return 0;
}
