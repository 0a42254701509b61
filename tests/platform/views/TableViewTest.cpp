// A table of a hundred rows in a scroll view, driven by real clicks, keys and the wheel: what
// the user selects and the delegate hears, which cell views exist as it scrolls, and sorting by
// a click on a column's header.

#include "platform/views/tables/TableView.h"
#include "ViewsTesting.h"
#include "platform/app/Event.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/SortDescriptor.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TextFieldDelegate.h"
#include "platform/views/tables/TableRowView.h"
#include "platform/views/tables/TableViewDataSource.h"
#include "platform/views/tables/TableViewDelegate.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

using namespace platform;
using platform::testing::UserActions;
using platform::views_testing::ShownTable;
using Key = UserActions::Key;

namespace {

// Rows "r0" to "r99" with the scores 0, 7, 14, … modulo 100; hears what the table tells.
class Rows : public TableViewDataSource, public TableViewDelegate {
public:
    Rows() {
        for (int i = 0; i < 100; ++i)
            rows.push_back({"r" + std::to_string(i), i * 7 % 100});
    }
    std::int64_t numberOfRowsInTableView(const Ref<TableView>&) override {
        return std::ssize(rows);
    }
    Ref<Object> tableViewObjectValueForTableColumnRow(const Ref<TableView>&,
                                                      const Ref<TableColumn>& c,
                                                      std::int64_t row) override {
        ++asked;
        if (c->identifier()->utf8() == "name")
            return String::fromUtf8(rows[row].first);
        return Number::numberWithInteger(rows[row].second);
    }
    void tableViewSortDescriptorsDidChange(const Ref<TableView>& t, const Ref<Array>&) override {
        const auto d =
            std::dynamic_pointer_cast<SortDescriptor>(t->sortDescriptors()->firstObject());
        heard += " sort " + d->key() + (d->ascending() ? "+" : "-");
        std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
            return d->ascending() ? a.second < b.second : a.second > b.second;
        });
        t->reloadData();
    }
    bool tableViewShouldSelectRow(const Ref<TableView>&, std::int64_t row) override {
        return row != refused;
    }
    void tableViewSelectionDidChange(const Ref<Notification>&) override { heard += " changed"; }
    std::vector<std::pair<std::string, int>> rows;
    std::int64_t refused = -1;
    std::string heard;
    std::size_t asked = 0;
};

struct Table : ShownTable<TableView, Rows> {
    explicit Table(bool multiple) {
        for (const char* id : {"name", "score"})
            addColumn(id)->setSortDescriptorPrototype(
                SortDescriptor::sortDescriptorWithKeyAscending(id, true));
        table->setAllowsMultipleSelection(multiple);
        scroll->setHasVerticalScroller(true);
        show();
    }
    // The cell views shown in the rows' views.
    std::size_t shownCells() const {
        std::size_t shown = 0;
        for (const auto& row : table->subviews())
            for (const auto& cell : row->subviews())
                shown += !row->isHidden() && !cell->isHidden();
        return shown;
    }
};

using Act = std::function<void(Table&)>;

Act click(std::int64_t row, std::uint64_t flags = 0) {
    return [=](Table& t) { UserActions::clickInView(t.table, t.inRow(row), flags); };
}
Act key(Key k, std::uint64_t flags = 0) {
    return [=](Table& t) { UserActions::pressKey(t.window, k, flags); };
}

// The program's changes: selecting rows, and reloading fewer rows than were selected.
Act select(Range rows, bool extend) {
    return [=](Table& t) {
        t.table->selectRowIndexesByExtendingSelection(*IndexSet::indexSetWithIndexesInRange(rows),
                                                      extend);
    };
}
Act keepRows(std::size_t count) {
    return [=](Table& t) {
        t.rows->rows.resize(count);
        t.table->reloadData();
    };
}

// The data source's own row changes, told to the table row by row.
Act insertAt(std::int64_t row) {
    return [=](Table& t) {
        t.rows->rows.insert(t.rows->rows.begin() + row, {"new", 0});
        t.table->insertRowsAtIndexesWithAnimation(*IndexSet::indexSetWithIndex(row), 0);
    };
}
Act removeAt(std::int64_t row) {
    return [=](Table& t) {
        t.rows->rows.erase(t.rows->rows.begin() + row);
        t.table->removeRowsAtIndexesWithAnimation(*IndexSet::indexSetWithIndex(row), 0);
    };
}
Act moveRow(std::int64_t from, std::int64_t to) {
    return [=](Table& t) {
        const auto moved = t.rows->rows[from];
        t.rows->rows.erase(t.rows->rows.begin() + from);
        t.rows->rows.insert(t.rows->rows.begin() + to, moved);
        t.table->beginUpdates();
        t.table->moveRowAtIndexToIndex(from, to);
        t.table->endUpdates();
    };
}

TEST(TableViewSelection, ClicksAndKeysSelectThroughTheDelegate) {
    constexpr auto ctrl = EventModifierFlag::Command;
    constexpr auto shift = EventModifierFlag::Shift;
    const Act down = key(Key::Down), up = key(Key::Up), shiftDown = key(Key::Down, shift);
    struct Case {
        const char* name;
        bool multiple;
        std::int64_t refused;
        std::vector<Act> acts;
        const char* selected;
        int changes;
    };
    const Case cases[] = {
        {"click", false, -1, {click(2)}, "[2]", 1},
        {"click again changes nothing", false, -1, {click(2), click(2)}, "[2]", 1},
        {"arrows move", false, -1, {click(2), down, down, up}, "[3]", 4},
        {"down from nothing takes the first", false, -1, {down}, "[0]", 1},
        {"shift arrows extend", true, -1, {click(2), shiftDown, shiftDown}, "[2-4]", 3},
        {"shift arrows in single", false, -1, {click(2), shiftDown}, "[3]", 2},
        {"ctrl click adds", true, -1, {click(1), click(3, ctrl), click(5, ctrl)}, "[1, 3, 5]", 3},
        {"ctrl click removes", true, -1, {click(1), click(3, ctrl), click(1, ctrl)}, "[3]", 3},
        {"ctrl click in single", false, -1, {click(1), click(3, ctrl)}, "[3]", 2},
        {"ctrl click deselects", false, -1, {click(1), click(1, ctrl)}, "(empty)", 2},
        {"shift click runs", true, -1, {click(4), click(1, shift)}, "[1-4]", 2},
        {"refused click keeps", false, 3, {click(2), click(3)}, "[2]", 1},
        {"refused key keeps", false, 3, {click(2), down}, "[2]", 1},
        {"refused row left out of a run", true, 3, {click(1), click(5, shift)}, "[1-2, 4-5]", 2},
        {"program selects unasked", false, 3, {select({2, 3}, false)}, "[2-4]", 1},
        {"program extends", false, -1, {click(1), select({6, 1}, true)}, "[1, 6]", 2},
        {"program reselects quietly", false, -1, {click(1), select({1, 1}, false)}, "[1]", 1},
        {"program selects past the end", false, -1, {select({98, 5}, false)}, "[98-99]", 1},
        {"reload drops rows gone", true, -1, {select({40, 20}, false), keepRows(50)}, "[40-49]", 2},
        {"reload keeps rows there", true, -1, {select({10, 2}, false), keepRows(50)}, "[10-11]", 1},
        {"inserted row shifts the selection", false, -1, {click(2), insertAt(1)}, "[3]", 1},
        {"removed selected row", true, -1, {select({2, 2}, false), removeAt(2)}, "[2]", 2},
        {"moved rows carry the selection", true, -1,
         std::vector{select({1, 2}, false), moveRow(1, 5), moveRow(9, 0)}, "[2, 6]", 1},
        {"arrows from a program selection", false, -1, {select({7, 1}, false), down}, "[8]", 2},
    };
    for (const Case& c : cases) {
        Table t(c.multiple);
        t.rows->refused = c.refused;
        for (const Act& act : c.acts)
            act(t);
        EXPECT_EQ(t.selected(), c.selected) << c.name;
        EXPECT_EQ(t.rows->heard.size(), std::string(" changed").size() * c.changes) << c.name;
        EXPECT_EQ(t.text(0, 0), t.rows->rows[0].first) << c.name;
    }
}

// Hears where editing ended and with what text, as a program that writes edits back does.
struct EditEnd : TextFieldDelegate {
    void controlTextDidEndEditing(const Ref<Notification>& n) override {
        const auto field = std::dynamic_pointer_cast<TextField>(n->object());
        heard += std::to_string(table->rowForView(*field)) + " " +
                 std::to_string(table->columnForView(*field)) + " " + field->stringValue()->utf8();
    }
    Ref<TableView> table;
    std::string heard;
};

TEST(TableViewEditing, DoubleClicksAndReturnEditTheCellAndTellWhereEditingEnded) {
    struct Case {
        const char* name;
        bool nameEditable;
        std::vector<Act> acts;
        const char* heard;
    };
    const Act doubleClickScore = [](Table& t) {
        UserActions::doubleClickInView(t.table, t.inRow(4, t.table->rectOfColumn(1).midX()));
    };
    const Case cases[] = {
        {"double click", true, {doubleClickScore}, "4 1 x"},
        {"return", true, {click(2), key(Key::Return)}, "2 0 x"},
        {"return past a column not editable", false, {click(2), key(Key::Return)}, "2 1 x"},
        {"return without a selection", true, {key(Key::Return)}, ""},
    };
    for (const Case& c : cases) {
        Table t(false);
        t.table->tableColumns()[0]->setEditable(c.nameEditable);
        t.table->reloadData();
        for (const Act& act : c.acts)
            act(t);
        const auto editor = std::make_shared<EditEnd>();
        editor->table = t.table;
        if (const auto field = std::dynamic_pointer_cast<TextField>(t.window->firstResponder())) {
            field->setDelegate(editor);
            UserActions::typeCharacter(t.window, U'x');
            key(Key::Return)(t);
        }
        EXPECT_EQ(editor->heard, c.heard) << c.name;
    }
}

TEST(TableViewCells, OnlyRowsInViewHaveCellsAndScrollingReusesThem) {
    Table t(false);
    const std::size_t screenful = t.shownCells();
    EXPECT_GT(screenful, 10u);
    EXPECT_LT(screenful, 30u);
    // Set up before it was shown, the table asked only for the values it shows.
    EXPECT_EQ(t.rows->asked, screenful);
    EXPECT_EQ(t.text(0, 0), "r0");
    EXPECT_EQ(t.text(1, 3), "21");
    EXPECT_EQ(t.text(0, 60), "(none)");
    for (int i = 0; i < 30; ++i)
        UserActions::rollWheel(t.scroll, -3);
    EXPECT_EQ(t.text(0, 0), "(none)");
    EXPECT_EQ(t.text(0, 99), "r99");
    EXPECT_LE(t.shownCells(), screenful + 2);
    // Every view made is either shown or waiting in the pool: not one per row.
    EXPECT_LT(t.table->subviews().size(), 3 * screenful);
    click(98)(t);
    key(Key::Up)(t);
    EXPECT_EQ(t.table->selectedRow(), 97);
}

TEST(TableViewGeometry, ColumnWidthsVisibilityAndRowHeightPlaceTheCells) {
    struct Case {
        const char* name;
        std::function<void(TableView&)> change;
        const char* cell; // the frame of the score cell of row 2
        std::int64_t columnAt120;
    };
    const Case cases[] = {
        {"as made", [](TableView&) {}, "{{104.5, 39}, {100, 17}}", 1},
        {"name hidden", [](TableView& t) { t.tableColumns()[0]->setHidden(true); },
         "{{1.5, 39}, {100, 17}}", -1},
        {"name narrowed", [](TableView& t) { t.tableColumns()[0]->setWidth(40); },
         "{{44.5, 39}, {100, 17}}", 1},
        {"name's minimum above its width",
         [](TableView& t) { t.tableColumns()[0]->setMinWidth(160); }, "{{164.5, 39}, {100, 17}}",
         0},
        {"taller rows", [](TableView& t) { t.setRowHeight(30); }, "{{104.5, 65}, {100, 30}}", 1},
    };
    for (const Case& c : cases) {
        Table t(false);
        c.change(*t.table);
        std::ostringstream cell;
        const Rect row = t.table->rowViewAtRowMakeIfNecessary(2, false)->frame();
        cell << t.table->viewAtColumnRowMakeIfNecessary(1, 2, false)
                    ->frame()
                    .offsetBy(row.minX(), row.minY());
        EXPECT_EQ(cell.str(), c.cell) << c.name;
        EXPECT_EQ(t.table->columnAtPoint({120, 5}), c.columnAt120) << c.name;
    }
}

TEST(TableViewSorting, HeaderClicksSortOneWayThenTheOther) {
    Table t(false);
    const auto clickHeader = [&](int column) {
        UserActions::clickInView(t.table->headerView(), t.header(column));
    };
    clickHeader(1);
    EXPECT_EQ(t.text(1, 0), "0");
    EXPECT_EQ(t.text(1, 1), "1");
    clickHeader(1);
    EXPECT_EQ(t.text(1, 0), "99");
    clickHeader(0);
    EXPECT_EQ(t.rows->heard, " sort score+ sort score- sort name+");
    EXPECT_EQ(t.table->sortDescriptors()->count(), 2u);
}

} // namespace
