// What an outline's size costs where the user sees it: expanding every item of a tree, each
// top-level item with everything under it as an Alt-click does, with a delegate that is asked
// every row's height, for trees of 10,000 and 100,000 items, and scrolling one page down a fully
// expanded outline of 1,000 and of 100,000 items, redrawing the window, all in the same run.
// Expanding is expected to grow with the tree; scrolling should stay near the cost of the small
// outline, as only the rows in view have views. The ratios are printed at the end.

#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/views/ScrollView.h"
#include "platform/views/outlines/OutlineView.h"
#include "platform/views/outlines/OutlineViewDataSource.h"
#include "platform/views/outlines/OutlineViewDelegate.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/windows/Window.h"

#include "PageScrolling.h"
#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <deque>
#include <string>

using platform::Ref;

namespace {

class Node : public platform::Object {
public:
    explicit Node(std::int64_t number)
        : name(platform::String::fromUtf8("item " + std::to_string(number))) {}
    Ref<platform::String> name;
    std::vector<Ref<Node>> children;
};

// A tree of the given number of items, ten children to an item, breadth first.
class Tree : public platform::OutlineViewDataSource, public platform::OutlineViewDelegate {
public:
    explicit Tree(std::int64_t count) {
        std::int64_t made = 0;
        std::deque<Node*> open;
        for (; made < std::min<std::int64_t>(count, 10); ++made) {
            top_.push_back(std::make_shared<Node>(made));
            open.push_back(top_.back().get());
        }
        while (made < count) {
            Node* parent = open.front();
            open.pop_front();
            for (int i = 0; i < 10 && made < count; ++i, ++made) {
                parent->children.push_back(std::make_shared<Node>(made));
                open.push_back(parent->children.back().get());
            }
        }
    }
    const std::vector<Ref<Node>>& top() const { return top_; }
    const std::vector<Ref<Node>>& childrenOf(const Ref<platform::Object>& item) const {
        return item ? std::static_pointer_cast<Node>(item)->children : top_;
    }
    std::int64_t outlineViewNumberOfChildrenOfItem(const Ref<platform::OutlineView>&,
                                                   const Ref<platform::Object>& item) override {
        return std::ssize(childrenOf(item));
    }
    Ref<platform::Object> outlineViewChildOfItem(const Ref<platform::OutlineView>&,
                                                 std::int64_t index,
                                                 const Ref<platform::Object>& item) override {
        return childrenOf(item)[std::size_t(index)];
    }
    bool outlineViewIsItemExpandable(const Ref<platform::OutlineView>&,
                                     const Ref<platform::Object>& item) override {
        return !childrenOf(item).empty();
    }
    Ref<platform::Object>
    outlineViewObjectValueForTableColumnByItem(const Ref<platform::OutlineView>&,
                                               const Ref<platform::TableColumn>&,
                                               const Ref<platform::Object>& item) override {
        return std::static_pointer_cast<Node>(item)->name;
    }

private:
    std::vector<Ref<Node>> top_;
};

struct ShownOutline {
    Ref<platform::Window> window = std::make_shared<platform::Window>(
        platform::Rect{0, 0, 400, 500}, platform::WindowStyleMask::Titled);
    Ref<platform::ScrollView> scroll =
        std::make_shared<platform::ScrollView>(platform::Rect{0, 0, 400, 500});
    Ref<platform::OutlineView> outline = std::make_shared<platform::OutlineView>();
    std::shared_ptr<Tree> tree;

    explicit ShownOutline(std::int64_t count) : tree(std::make_shared<Tree>(count)) {
        const auto column =
            std::make_shared<platform::TableColumn>(platform::String::fromUtf8("name"));
        column->setWidth(300);
        outline->addTableColumn(column);
        outline->setDataSource(tree);
        outline->setDelegate(tree);
        outline->reloadData();
        scroll->setHasVerticalScroller(true);
        scroll->setDocumentView(outline);
        window->contentView()->addSubview(scroll);
        window->makeKeyAndOrderFront(nullptr);
    }
    ~ShownOutline() { window->close(); }
};

void expandAll(benchmark::State& state) {
    ShownOutline shown(state.range(0));
    for (auto _ : state) {
        // From the last item up, so that each expansion puts its rows before those of the
        // items already expanded, where the table has the most rows to move.
        for (auto item = shown.tree->top().rbegin(); item != shown.tree->top().rend(); ++item)
            shown.outline->expandItemExpandChildren(*item, true);
        benchmark::DoNotOptimize(shown.outline->numberOfRows());
        state.PauseTiming();
        shown.outline->collapseItemCollapseChildren(nullptr, true);
        state.ResumeTiming();
    }
}

void scrollExpanded(benchmark::State& state) {
    ShownOutline shown(state.range(0));
    shown.outline->expandItemExpandChildren(nullptr, true);
    for (auto _ : state)
        scrollAPageAndDraw(state, *shown.scroll, *shown.window);
}

BENCHMARK(expandAll)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(scrollExpanded)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    platform::Application::shared();
    RatioReporter reporter;
    runBenchmarks(argc, argv, reporter);
    RatioReporter::printRatio("expanding every item, 100000 items against 10000",
                              reporter.time("expandAll", "100000"),
                              reporter.time("expandAll", "10000"));
    RatioReporter::printRatio("scrolling a page fully expanded, 100000 items against 1000",
                              reporter.time("scrollExpanded", "100000"),
                              reporter.time("scrollExpanded", "1000"));
    return 0;
}
