// A table whose delegate answers the row and column questions, driven by real clicks, drags
// and keys on the rows and on the header.

#include "ViewsTesting.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Notification.h"
#include "platform/testing/UserActions.h"
#include "platform/views/tables/TableRowView.h"
#include "platform/views/tables/TableView.h"
#include "platform/views/tables/TableViewDataSource.h"
#include "platform/views/tables/TableViewDelegate.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <functional>

using namespace platform;
using platform::testing::UserActions;
using platform::views_testing::ShownTable;
using Key = UserActions::Key;

namespace {

// Rows "a0", "b1", "c2", … of the height 17 + row % 3, every tenth from 10 on a group row
// where groups are asked for; tells what the table asked and told.
class Rows : public TableViewDataSource, public TableViewDelegate {
public:
    std::int64_t numberOfRowsInTableView(const Ref<TableView>&) override { return count; }
    Ref<Object> tableViewObjectValueForTableColumnRow(const Ref<TableView>&,
                                                      const Ref<TableColumn>& c,
                                                      std::int64_t row) override {
        return String::fromUtf8(c->identifier()->utf8() + std::string(1, char('a' + row % 26)) +
                                std::to_string(row));
    }
    bool tableViewIsGroupRow(const Ref<TableView>&, std::int64_t row) override {
        return groups && row > 0 && row % 10 == 0;
    }
    double tableViewHeightOfRow(const Ref<TableView>&, std::int64_t row) override {
        return 17 + double(row % 3) + extra;
    }
    Ref<View> tableViewViewForTableColumnRow(const Ref<TableView>&, const Ref<TableColumn>& c,
                                             std::int64_t) override {
        return c ? nullptr : TableCellView::makeTextCell({}, false);
    }
    void tableViewDidAddRowViewForRow(const Ref<TableView>&, const Ref<TableRowView>& v,
                                      std::int64_t row) override {
        // Told once the row's cells are in it.
        added.push_back(row * 10 + std::int64_t(v->subviews().size()));
    }
    void tableViewDidRemoveRowViewForRow(const Ref<TableView>&, const Ref<TableRowView>&,
                                         std::int64_t row) override {
        removed.push_back(row);
    }
    void tableViewSelectionDidChange(const Ref<Notification>&) override { heard += " did"; }
    void tableViewSelectionIsChanging(const Ref<Notification>&) override { heard += " is"; }
    void tableViewColumnDidResize(const Ref<Notification>&) override { heard += " resized"; }
    bool tableViewShouldTypeSelectForEventWithCurrentSearchString(
        const Ref<TableView>&, const Ref<Event>&, const Ref<String>& search) override {
        heard += " type " + search->utf8();
        return true;
    }
    bool tableViewShouldReorderColumnToColumn(const Ref<TableView>&, std::int64_t from,
                                              std::int64_t to) override {
        heard += " reorder " + std::to_string(from) + std::to_string(to);
        return !refuses;
    }
    void tableViewColumnDidMove(const Ref<Notification>& n) override {
        heard += " moved ";
        for (const char* key : {"NSOldColumn", "NSNewColumn"})
            heard += std::dynamic_pointer_cast<Dictionary>(n->userInfo())
                         ->objectForKey(String::fromUtf8(key))
                         ->description()
                         ->utf8();
    }
    void tableViewDidDragTableColumn(const Ref<TableView>&, const Ref<TableColumn>& c) override {
        heard += " dragged " + c->identifier()->utf8();
    }
    bool tableViewShouldSelectTableColumn(const Ref<TableView>&,
                                          const Ref<TableColumn>& c) override {
        return c->identifier()->utf8() != "y";
    }
    bool tableViewUserCanChangeVisibilityOfTableColumn(const Ref<TableView>&,
                                                       const Ref<TableColumn>& c) override {
        return c->identifier()->utf8() != "x";
    }
    void tableViewUserDidChangeVisibilityOfTableColumns(const Ref<TableView>&,
                                                        const Ref<Array>& columns) override {
        heard += " visibility " + std::to_string(columns->count());
    }
    std::int64_t count = 100;
    bool groups = false;
    bool refuses = false;
    double extra = 0;
    std::vector<std::int64_t> added;
    std::vector<std::int64_t> removed;
    std::string heard;
};

struct Table : ShownTable<TableView, Rows> {
    explicit Table(bool refuses = false, std::int64_t count = 100, bool groups = false) {
        rows->refuses = refuses;
        rows->count = count;
        rows->groups = groups;
        for (const char* id : {"x", "y", "z"})
            addColumn(id, 80);
        table->setAllowsMultipleSelection(true);
        show();
    }
    QColor textColor(std::int64_t row) const {
        const auto field = cell(0, row)->textField();
        field->viewWillDraw();
        const auto* edit = static_cast<QLineEdit*>(field->peer().widget.data());
        return edit->palette().color(QPalette::Text);
    }
    std::string columns() const {
        std::string order;
        for (const auto& c : table->tableColumns())
            order += c->identifier()->utf8() + (c->isHidden() ? "-" : "");
        return order;
    }
};

TEST(TableRows, RowViewsHoldTheCellsAndShowTheSelection) {
    Table t;
    const std::size_t shown = t.rows->added.size();
    ASSERT_GT(shown, 8u);
    // Each row view came with its three cells in it, and holds the row's cells.
    EXPECT_EQ(t.rows->added[2], 23);
    const Ref<View> cell = t.table->viewAtColumnRowMakeIfNecessary(1, 4, false);
    EXPECT_EQ(cell->superview(), t.table->rowViewAtRowMakeIfNecessary(4, false));
    EXPECT_EQ(t.table->rowViewAtRowMakeIfNecessary(60, true)->subviews().size(), 3u);

    const QColor plain = t.textColor(2);
    UserActions::clickInView(t.table, t.inRow(2));
    EXPECT_TRUE(t.table->rowViewAtRowMakeIfNecessary(2, false)->isSelected());
    EXPECT_NE(t.textColor(2), plain);
    UserActions::clickInView(t.table, t.inRow(3));
    EXPECT_FALSE(t.table->rowViewAtRowMakeIfNecessary(2, false)->isSelected());
    EXPECT_EQ(t.textColor(2), plain);

    for (int i = 0; i < 10; ++i)
        UserActions::rollWheel(t.scroll, -3);
    EXPECT_GE(t.rows->removed.size(), shown);
}

TEST(TableRows, RowsOfTheirOwnHeightsAndGroupRows) {
    for (const std::int64_t count : {100, 100000}) {
        Table t(false, count, true);
        // Every row is where the heights before it put it, and is found there again.
        for (std::int64_t row = 0; row < count; row += count / 100 + 1) {
            const Rect r = t.table->rectOfRow(row);
            EXPECT_EQ(r.height(), 19 + row % 3) << row;
            EXPECT_EQ(t.table->rowAtPoint({5, r.maxY() - 0.5}), row) << row;
            EXPECT_EQ(t.table->rowsInRect({0, r.minY(), 5, r.height()}).location, row);
        }
        EXPECT_EQ(t.table->rowAtPoint({5, t.table->rectOfRow(count - 1).maxY()}), -1);
    }
    Table t(false, 100, true);
    const Ref<View> group = t.table->viewAtColumnRowMakeIfNecessary(2, 10, false);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->frame().width(), t.table->frame().width());
    EXPECT_EQ(t.table->columnForView(*group), -1);
    EXPECT_TRUE(t.table->rowViewAtRowMakeIfNecessary(10, false)->isGroupRowStyle());
    // The user selects no group row: a click keeps the selection, the arrows pass over it.
    UserActions::clickInView(t.table, t.inRow(9));
    UserActions::clickInView(t.table, t.inRow(10));
    EXPECT_EQ(t.table->selectedRow(), 9);
    UserActions::pressKey(t.window, Key::Down);
    EXPECT_EQ(t.table->selectedRow(), 11);
    // Heights asked again move the rows after.
    t.rows->extra = 10;
    t.table->noteHeightOfRowsWithIndexesChanged(*IndexSet::indexSetWithIndex(1));
    EXPECT_EQ(t.table->rectOfRow(1).height(), 30);
    EXPECT_EQ(t.table->rectOfRow(2).minY(), 19 + 30);
}

using Act = std::function<void(Table&)>;

// The pointer's way from one point to another in even steps, as a hand would move it.
std::vector<Point> steps(Point from, Point to, int count) {
    std::vector<Point> points{from};
    for (int step = 1; step <= count; ++step)
        points.push_back(
            {from.x + (to.x - from.x) * step / count, from.y + (to.y - from.y) * step / count});
    return points;
}

TEST(TableRows, DragsKeysAndTheHeaderAskTheDelegate) {
    const Act type = [](Table& t) {
        t.window->makeFirstResponder(t.table);
        for (const char c : std::string("xd3"))
            UserActions::typeCharacter(t.window, char32_t(c));
    };
    const Act dragHeader = [](Table& t) {
        UserActions::dragInView(t.table->headerView(), steps(t.header(0), t.header(2), 6));
    };
    const Act resize = [](Table& t) {
        UserActions::dragInView(t.table->headerView(), steps({82, 5}, {122, 5}, 4));
    };
    const Act dragRows = [](Table& t) {
        UserActions::dragInView(t.table, steps(t.inRow(2), t.inRow(5), 3));
    };
    const Act clickHeaders = [](Table& t) {
        t.table->setAllowsColumnSelection(true);
        UserActions::clickInView(t.table->headerView(), t.header(1));
        UserActions::clickInView(t.table->headerView(), t.header(2));
    };
    const Act hideY = [](Table& t) {
        UserActions::rightClickInView(t.table->headerView(), t.header(0));
        UserActions::chooseInShownMenu({"y"});
    };
    struct Case {
        const char* name;
        bool refuses;
        Act act;
        const char* selected;
        const char* heard;
        const char* columns;
    };
    const Case cases[] = {
        {"drag rows", false, dragRows, "[2-5]", " is is is is did", "xyz"},
        {"type", false, type, "[3]", " type x did type xd did type xd3", "xyz"},
        {"move column", false, dragHeader, "(empty)", " reorder 02 moved 02 dragged x", "yzx"},
        {"refused move", true, dragHeader, "(empty)", " reorder 02", "xyz"},
        {"select column", false, clickHeaders, "(empty)", " did", "xyz"},
        {"hide column", false, hideY, "(empty)", " visibility 1", "xy-z"},
        {"resize column", false, resize, "(empty)", " resized resized resized resized", "xyz"},
    };
    for (const Case& c : cases) {
        Table t(c.refuses);
        c.act(t);
        EXPECT_EQ(t.selected(), c.selected) << c.name;
        EXPECT_EQ(t.rows->heard, c.heard) << c.name;
        EXPECT_EQ(t.columns(), c.columns) << c.name;
    }
}

TEST(TableRows, AfterEditingTheKeysMoveTheSelectionAgain) {
    Table t;
    t.table->tableColumns()[0]->setEditable(true);
    t.table->reloadData();
    UserActions::doubleClickInView(t.table, t.inRow(2));
    UserActions::typeCharacter(t.window, U'q');
    UserActions::pressKey(t.window, Key::Return);
    EXPECT_EQ(t.window->firstResponder(), t.table);
    UserActions::pressKey(t.window, Key::Down);
    EXPECT_EQ(t.table->selectedRow(), 3);
    // Editing again, a click on another row ends it there.
    UserActions::doubleClickInView(t.table, t.inRow(3));
    const auto again = std::dynamic_pointer_cast<TextField>(t.window->firstResponder());
    ASSERT_TRUE(again);
    UserActions::typeCharacter(t.window, U'q');
    // A click in the field being edited goes to the field.
    UserActions::clickInView(t.table, t.inRow(3));
    EXPECT_TRUE(again->isEditingText());
    UserActions::clickInView(t.table, t.inRow(6));
    EXPECT_FALSE(again->isEditingText());
    EXPECT_EQ(t.table->selectedRow(), 6);
}

} // namespace
