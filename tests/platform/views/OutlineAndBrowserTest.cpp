// Outline views and browsers driven by real clicks, keys and drags: which rows an outline
// shows at which indentation after the user expands and collapses items, where a drag over it
// proposes to drop, and how the user moves through a browser's columns.

#include "ViewsTesting.h"
#include "platform/app/DraggingInfo.h"
#include "platform/app/DraggingSession.h"
#include "platform/app/Event.h"
#include "platform/app/PasteboardItem.h"
#include "platform/foundation/Data.h"
#include "platform/testing/UserActions.h"
#include "platform/views/outlines/Browser.h"
#include "platform/views/outlines/BrowserDelegate.h"
#include "platform/views/outlines/OutlineView.h"
#include "platform/views/outlines/OutlineViewDataSource.h"
#include "platform/views/outlines/OutlineViewDelegate.h"

#include <gtest/gtest.h>

using namespace platform;
using platform::testing::UserActions;
using platform::views_testing::ShownTable;
using Key = UserActions::Key;

namespace {

class Item : public Object {
public:
    Item(std::string itemName, std::vector<Ref<Item>> itemChildren, bool isGroup)
        : name(std::move(itemName)), children(std::move(itemChildren)),
          group(isGroup || !children.empty()) {}
    Ref<String> description() const override { return String::fromUtf8(name); }
    std::string name;
    std::vector<Ref<Item>> children;
    bool group;
};

Ref<Item> item(std::string name, std::vector<Ref<Item>> children = {}) {
    return std::make_shared<Item>(std::move(name), std::move(children), false);
}

// A (A1, A2 (A2x), A3), B (B1), C, and E, a group with no children.
std::vector<Ref<Item>> tree() {
    return {item("A", {item("A1"), item("A2", {item("A2x")}), item("A3")}), item("B", {item("B1")}),
            item("C"), std::make_shared<Item>("E", std::vector<Ref<Item>>{}, true)};
}

std::string nameOf(const Ref<Object>& object) {
    return object ? std::static_pointer_cast<Item>(object)->name : "root";
}

class Tree : public OutlineViewDataSource, public OutlineViewDelegate {
public:
    const std::vector<Ref<Item>>& childrenOf(const Ref<Object>& parent) const {
        return parent ? std::static_pointer_cast<Item>(parent)->children : top;
    }
    std::int64_t outlineViewNumberOfChildrenOfItem(const Ref<OutlineView>&,
                                                   const Ref<Object>& parent) override {
        return std::ssize(childrenOf(parent));
    }
    Ref<Object> outlineViewChildOfItem(const Ref<OutlineView>&, std::int64_t index,
                                       const Ref<Object>& parent) override {
        return childrenOf(parent)[std::size_t(index)];
    }
    bool outlineViewIsItemExpandable(const Ref<OutlineView>&, const Ref<Object>& node) override {
        return std::static_pointer_cast<Item>(node)->group;
    }
    Ref<Object> outlineViewObjectValueForTableColumnByItem(const Ref<OutlineView>&,
                                                           const Ref<TableColumn>&,
                                                           const Ref<Object>& node) override {
        return node->description();
    }
    Ref<PasteboardItem> outlineViewPasteboardWriterForItem(const Ref<OutlineView>&,
                                                           const Ref<Object>& node) override {
        const auto written = std::make_shared<PasteboardItem>();
        written->setDataForType(Data::dataWithBytes(nameOf(node).data(), nameOf(node).size()),
                                *String::fromUtf8("org.pondaro.item"));
        return written;
    }
    std::uint64_t outlineViewValidateDropProposedItemProposedChildIndex(
        const Ref<OutlineView>& outline, const Ref<DraggingInfo>&, const Ref<Object>& parent,
        std::int64_t index) override {
        if (retargetOnItem && parent && index < 0)
            outline->setDropItemDropChildIndex(parent, 0);
        return DragOperation::Move;
    }
    void outlineViewDraggingSessionWillBeginAtPointForItems(const Ref<OutlineView>&,
                                                            const Ref<DraggingSession>&, Point,
                                                            const Ref<Array>& items) override {
        dragged = std::static_pointer_cast<Item>(items->objectAtIndex(0));
    }
    bool outlineViewAcceptDropItemChildIndex(const Ref<OutlineView>& outline,
                                             const Ref<DraggingInfo>&, const Ref<Object>& parent,
                                             std::int64_t index) override {
        dropped = nameOf(parent) + " " + std::to_string(index);
        if (moves)
            move(outline, parent, index);
        return true;
    }
    // Moves the dragged item in the tree and tells the outline, as a data source that keeps its
    // own records does.
    void move(const Ref<OutlineView>& outline, const Ref<Object>& parent, std::int64_t index) {
        const Ref<Object> from = outline->parentForItem(dragged);
        const std::int64_t at = outline->childIndexForItem(dragged);
        auto& source = const_cast<std::vector<Ref<Item>>&>(childrenOf(from));
        auto& target = const_cast<std::vector<Ref<Item>>&>(childrenOf(parent));
        source.erase(source.begin() + at);
        std::int64_t to = index < 0 ? std::ssize(target) : index;
        to -= &source == &target && to > at ? 1 : 0;
        target.insert(target.begin() + to, dragged);
        outline->moveItemAtIndexInParentToIndexInParent(at, from, to, parent);
    }
    bool outlineViewShouldExpandItem(const Ref<OutlineView>&, const Ref<Object>& node) override {
        return nameOf(node) != refused;
    }
    void outlineViewItemDidExpand(const Ref<Notification>&) override { ++expanded; }

    std::vector<Ref<Item>> top = tree();
    bool retargetOnItem = false;
    bool moves = false;
    Ref<Item> dragged;
    std::string refused, dropped;
    int expanded = 0;
};

struct Outline : ShownTable<OutlineView, Tree> {
    Tree& tree = *rows;

    Outline() : ShownTable(240) {
        addColumn("name", 200);
        acceptDrops("org.pondaro.item");
        show();
    }
    // The shown rows, a dot before a name for each indentation step of its cell view.
    std::string shown() const {
        std::string result;
        const double left = table->frameOfCellAtColumnRow(0, 0).minX();
        for (std::int64_t row = 0; row < table->numberOfRows(); ++row) {
            const auto steps = std::size_t((cell(0, row)->frame().minX() - left) / 16);
            result += (row ? " " : "") + std::string(steps, '.') + text(0, row);
        }
        return result;
    }
    // With A and all under it expanded, drags a row's item down past the drag distance, then to
    // the point in the target row (edges as inRow's).
    void drag(std::int64_t pressed, std::int64_t row, double x, int edge) {
        table->expandItemExpandChildren(tree.top[0], true);
        const Point from = inRow(pressed, 120);
        UserActions::dragInView(table, {from, {from.x, from.y + 19}, inRow(row, x, edge)});
    }
    // Clicks on a row's disclosure triangle ("t0", with Alt "alt-t0") or its text ("s1"), and
    // the arrow keys ("right", "alt-right", "left").
    void play(const std::string& moves) {
        const auto triangle = [this](std::int64_t row, std::uint64_t flags) {
            const Rect r = table->frameOfOutlineCellAtRow(row);
            UserActions::clickInView(table, {r.midX(), r.midY()}, flags);
        };
        const auto alt = EventModifierFlag::Option;
        views_testing::play(
            moves,
            {{"t", [&](std::int64_t row) { triangle(row, 0); }},
             {"alt-t", [&](std::int64_t row) { triangle(row, alt); }},
             {"s", [&](std::int64_t row) { UserActions::clickInView(table, inRow(row, 120)); }},
             {"right", [&](std::int64_t) { UserActions::pressKey(window, Key::Right); }},
             {"alt-right", [&](std::int64_t) { UserActions::pressKey(window, Key::Right, alt); }},
             {"left", [&](std::int64_t) { UserActions::pressKey(window, Key::Left); }}});
    }
};

TEST(OutlineView, UserExpandsAndCollapsesItems) {
    struct Case {
        const char *name, *moves, *refused, *shown, *selected;
        int didExpand;
    };
    const Case cases[] = {
        {"a click on the triangle expands", "t0", "", "A .A1 .A2 .A3 B C E", "(empty)", 1},
        {"a second click collapses", "t0 t0", "", "A B C E", "(empty)", 1},
        {"Alt-click expands everything under the item", "alt-t0", "", "A .A1 .A2 ..A2x .A3 B C E",
         "(empty)", 2},
        {"a collapsed item keeps its children expanded for next time", "alt-t0 t0 t0", "",
         "A .A1 .A2 ..A2x .A3 B C E", "(empty)", 3},
        {"a click on the text selects and expands nothing", "s1", "", "A B C E", "[1]", 0},
        {"an empty group expands to nothing", "t3", "", "A B C E", "(empty)", 1},
        {"Right expands the selected item", "s1 right", "", "A B .B1 C E", "[1]", 1},
        {"Alt-Right expands everything under it", "s0 alt-right", "", "A .A1 .A2 ..A2x .A3 B C E",
         "[0]", 2},
        {"a collapse moves the selection below up with its row", "t0 s4 t0", "", "A B C E", "[1]",
         1},
        {"Left collapses the selected item", "t0 s0 left", "", "A B C E", "[0]", 1},
        {"Left on a child goes to its parent", "t0 s2 left", "", "A .A1 .A2 .A3 B C E", "[0]", 1},
        {"the delegate refuses to expand an item", "t0 t4", "B", "A .A1 .A2 .A3 B C E", "(empty)",
         1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Outline o;
        o.tree.refused = c.refused;
        o.play(c.moves);
        EXPECT_EQ(o.shown(), c.shown);
        EXPECT_EQ(o.selected(), c.selected);
        EXPECT_EQ(o.tree.expanded, c.didExpand);
    }
}

TEST(OutlineView, ADragProposesAParentAndAChildIndex) {
    struct Case {
        const char* name;
        bool retargetOnItem;
        // The row the drop is aimed at, the pointer's x and where in the row: -1 near its top
        // edge, 0 in its middle, 1 near its bottom edge.
        std::int64_t row;
        double x;
        int edge;
        const char* dropped;
    };
    // Shown: A .A1 .A2 ..A2x .A3 B C E, with C dragged.
    const Case cases[] = {
        {"on an item", false, 5, 60, 0, "B -1"},
        {"between two children", false, 2, 60, -1, "A 1"},
        {"above the first row", false, 0, 60, -1, "root 0"},
        {"into an expanded item's first place", false, 1, 60, -1, "A 0"},
        {"at the end of a group, pointing at its children", false, 4, 60, 1, "A 3"},
        {"at the end of a group, pointing further left", false, 4, 20, 1, "root 1"},
        {"at the end of a nested group, pointing at the outer one", false, 3, 40, 1, "A 2"},
        {"the data source moves a drop on an item into it", true, 5, 60, 0, "B 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Outline o;
        o.tree.retargetOnItem = c.retargetOnItem;
        o.drag(6, c.row, c.x, c.edge);
        EXPECT_EQ(o.tree.dropped, c.dropped);
    }
}

TEST(OutlineView, ItemsDraggedInsideMoveWithWhatIsUnderThem) {
    struct Case {
        const char* name;
        std::int64_t pressed, row;
        double x;
        int edge;
        const char *shown, *selected;
    };
    // Shown: A .A1 .A2 ..A2x .A3 B C E.
    const Case cases[] = {
        {"a first child to the end of its group", 1, 4, 60, 1, "A .A2 ..A2x .A3 .A1 B C E", "[4]"},
        {"an item with its child to the top level", 2, 0, 60, -1, "A2 .A2x A .A1 .A3 B C E", "[0]"},
        {"an item into a collapsed one disappears", 6, 5, 60, 0, "A .A1 .A2 ..A2x .A3 B E",
         "(empty)"},
        {"an item to its own place stays", 4, 4, 40, -1, "A .A1 .A2 ..A2x .A3 B C E", "[4]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Outline o;
        o.tree.moves = true;
        o.drag(c.pressed, c.row, c.x, c.edge);
        EXPECT_EQ(o.shown(), c.shown);
        EXPECT_EQ(o.selected(), c.selected);
    }
}

class Columns : public BrowserDelegate {
public:
    Ref<Object> rootItemForBrowser(const Ref<Browser>&) override { return root; }
    std::int64_t browserNumberOfChildrenOfItem(const Ref<Browser>&,
                                               const Ref<Object>& node) override {
        return std::ssize(std::static_pointer_cast<Item>(node)->children);
    }
    Ref<Object> browserChildOfItem(const Ref<Browser>&, std::int64_t index,
                                   const Ref<Object>& node) override {
        return std::static_pointer_cast<Item>(node)->children[std::size_t(index)];
    }
    bool browserIsLeafItem(const Ref<Browser>&, const Ref<Object>& node) override {
        return !std::static_pointer_cast<Item>(node)->group;
    }
    Ref<Object> browserObjectValueForItem(const Ref<Browser>&, const Ref<Object>& node) override {
        return node->description();
    }
    Ref<IndexSet> browserSelectionIndexesForProposedSelectionInColumn(const Ref<Browser>&,
                                                                      const Ref<IndexSet>& proposed,
                                                                      std::int64_t) override {
        return onlyFirst ? IndexSet::indexSetWithIndex(0) : proposed;
    }
    Ref<Item> root = item("root", tree());
    bool onlyFirst = false;
};

struct Shown {
    Ref<Window> window = std::make_shared<Window>(Rect(9, 9, 400, 200), WindowStyleMask::Titled);
    Ref<Browser> browser = std::make_shared<Browser>(Rect(0, 0, 400, 200));
    std::shared_ptr<Columns> columns = std::make_shared<Columns>();

    Shown() {
        browser->setDelegate(columns);
        window->contentView()->addSubview(browser);
        window->makeKeyAndOrderFront();
        window->makeFirstResponder(browser);
        QApplication::processEvents();
    }
    ~Shown() { window->close(); }
    // The selected row of each column, and the last column.
    std::string state() const {
        std::string result;
        for (std::int64_t column = 0; column <= browser->selectedColumn(); ++column)
            result += std::to_string(browser->selectedRowInColumn(column)) + "/";
        return result + " last " + std::to_string(browser->lastColumn());
    }
    // Clicks on a row of the first or second column ("a0", "b1"), the arrow keys
    // ("right", "left", "down") and a typed c ("type-c"); "reload-b" takes A's first child away
    // and reloads the second column.
    void play(const std::string& moves) {
        std::map<std::string, std::function<void(std::int64_t)>> actions{
            {"right", [&](std::int64_t) { UserActions::pressKey(window, Key::Right); }},
            {"left", [&](std::int64_t) { UserActions::pressKey(window, Key::Left); }},
            {"down", [&](std::int64_t) { UserActions::pressKey(window, Key::Down); }},
            {"type-c", [&](std::int64_t) { UserActions::typeCharacter(window, 'c'); }},
            {"reload-b", [&](std::int64_t) {
                 auto& children = columns->root->children[0]->children;
                 children.erase(children.begin());
                 browser->reloadColumn(1);
             }}};
        for (const int column : {0, 1})
            actions[std::string(1, char('a' + column))] = [this, column](std::int64_t row) {
                UserActions::clickInView(browser, {100.0 * column + 40, 17.0 * double(row) + 8});
            };
        views_testing::play(moves, actions);
    }
};

TEST(Browser, UserMovesThroughTheColumns) {
    struct Case {
        const char* name;
        bool onlyFirst;
        const char *moves, *state;
    };
    const Case cases[] = {
        {"a click opens the item's children", false, "a0", "0/ last 1"},
        {"a click in the next column goes deeper", false, "a0 b1", "0/1/ last 2"},
        {"a click in an earlier column closes the later ones", false, "a0 b1 a1", "1/ last 1"},
        {"a leaf opens nothing", false, "a2", "2/ last 0"},
        {"Right, Down and Left move through the columns", false, "a0 right down down",
         "0/2/ last 1"},
        {"Left goes back to the parent's column", false, "a0 right left down", "1/ last 1"},
        {"typed letters select", false, "type-c", "2/ last 0"},
        {"the delegate chooses another row", true, "a2", "0/ last 1"},
        {"a reloaded column keeps its selected item where it went", false, "a0 b1 reload-b",
         "0/0/ last 2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Shown s;
        s.columns->onlyFirst = c.onlyFirst;
        s.play(c.moves);
        EXPECT_EQ(s.state(), c.state);
    }
}

} // namespace
