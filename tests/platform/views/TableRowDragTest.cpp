// Rows dragged within a table by real mouse events, and files dropped on it from outside: the
// questions the data source hears, with the rows, drop positions and operations, and what the
// table shows after the data source moved the rows.

#include "ViewsTesting.h"
#include "platform/app/DraggingInfo.h"
#include "platform/app/DraggingSession.h"
#include "platform/app/Pasteboard.h"
#include "platform/app/PasteboardItem.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/URL.h"
#include "platform/testing/UserActions.h"
#include "platform/views/tables/TableView.h"
#include "platform/views/tables/TableViewDataSource.h"

#include <gtest/gtest.h>

#include <set>

using namespace platform;
using platform::testing::UserActions;
using platform::views_testing::ShownTable;
using DragFinish = UserActions::DragFinish;

namespace {

constexpr const char* kRowType = "org.pondaro.row";

// Rows "0" to "5"; tells what it hears in a log and moves the dragged rows where they drop.
class Rows : public TableViewDataSource {
public:
    std::int64_t numberOfRowsInTableView(const Ref<TableView>&) override {
        return std::ssize(rows);
    }
    Ref<Object> tableViewObjectValueForTableColumnRow(const Ref<TableView>&,
                                                      const Ref<TableColumn>&,
                                                      std::int64_t row) override {
        return String::fromUtf8(rows[row]);
    }
    Ref<PasteboardItem> tableViewPasteboardWriterForRow(const Ref<TableView>&,
                                                        std::int64_t row) override {
        if (unwritable.count(row))
            return nullptr;
        const auto item = std::make_shared<PasteboardItem>();
        item->setDataForType(Data::dataWithBytes(rows[row].data(), rows[row].size()),
                             *String::fromUtf8(kRowType));
        return item;
    }
    void
    tableViewDraggingSessionWillBeginAtPointForRowIndexes(const Ref<TableView>&,
                                                          const Ref<DraggingSession>&, Point,
                                                          const Ref<IndexSet>& indexes) override {
        dragged = indexes;
        log += "begin " + indexes->description()->utf8() + ";";
    }
    void tableViewDraggingSessionEndedAtPointOperation(const Ref<TableView>&,
                                                       const Ref<DraggingSession>&, Point,
                                                       std::uint64_t operation) override {
        log += " ended " + std::to_string(operation);
    }
    std::uint64_t tableViewValidateDropProposedRowProposedDropOperation(
        const Ref<TableView>& table, const Ref<DraggingInfo>&, std::int64_t row,
        std::uint64_t dropOperation) override {
        log += " " + place(row, dropOperation);
        if (retargetOn && dropOperation == TableViewDropOperation::On)
            table->setDropRowDropOperation(row, TableViewDropOperation::Above);
        return answer;
    }
    bool tableViewAcceptDropRowDropOperation(const Ref<TableView>& table,
                                             const Ref<DraggingInfo>& info, std::int64_t row,
                                             std::uint64_t dropOperation) override {
        const auto pasteboard = info->draggingPasteboard();
        log += " accept " + place(row, dropOperation) +
               (info->draggingSource() == table ? " from the table," : " from outside,") + " " +
               std::to_string(pasteboard->pasteboardItems()->count()) + " items";
        const auto urls = pasteboard->readFileURLs();
        for (const auto& url : *urls)
            log += " " + std::static_pointer_cast<URL>(url)->path()->utf8();
        if (dragged)
            move(row);
        table->reloadData();
        return true;
    }

    std::vector<std::string> rows{"0", "1", "2", "3", "4", "5"};
    std::set<std::int64_t> unwritable;
    std::uint64_t answer = DragOperation::Move;
    bool retargetOn = false;
    Ref<IndexSet> dragged;
    std::string log;

private:
    static std::string place(std::int64_t row, std::uint64_t op) {
        return std::to_string(row) + (op == TableViewDropOperation::On ? " On" : " Above");
    }
    void move(std::int64_t row) {
        std::vector<std::string> moved, kept;
        std::int64_t at = row;
        for (std::int64_t i = 0; i < std::ssize(rows); ++i) {
            (dragged->containsIndex(i) ? moved : kept).push_back(rows[i]);
            at -= dragged->containsIndex(i) && i < row;
        }
        kept.insert(kept.begin() + at, moved.begin(), moved.end());
        rows = kept;
    }
};

struct Table : ShownTable<TableView, Rows> {
    Table() {
        addColumn("name");
        table->setAllowsMultipleSelection(true);
        acceptDrops(kRowType);
        show();
    }
    std::string shown() const {
        std::string result;
        for (std::int64_t row = 0; row < table->numberOfRows(); ++row)
            result += (row ? " " : "") + text(0, row);
        return result;
    }
};

} // namespace

TEST(TableRowDrag, DraggedRowsDropWhereTheDataSourceLetsThem) {
    struct Case {
        const char* name;
        // Rows as bits: the rows selected before the drag, and those the data source does not
        // write.
        unsigned selected, unwritable;
        std::uint64_t answer;
        bool retargetOn;
        // The row pressed, and the row dropped on, at the pointer's x (-500 is left of the
        // window) and the edge of the row as inRow takes it.
        std::int64_t pressed, target;
        int x, edge;
        DragFinish finish;
        const char *log, *shown, *selectedAfter;
    };
    const Case cases[] = {
        {"the selection moves to the gap above a row", 0b11, 0, DragOperation::Move, false, 0, 5,
         30, -1, DragFinish::Release,
         "begin [0-1]; 1 On 5 Above accept 5 Above from the table, 2 items ended 16", "2 3 4 0 1 5",
         "[0-1]"},
        {"near a row's bottom edge is the gap above the next", 0b11, 0, DragOperation::Move, false,
         0, 3, 30, 1, DragFinish::Release,
         "begin [0-1]; 1 On 4 Above accept 4 Above from the table, 2 items ended 16", "2 3 0 1 4 5",
         "[0-1]"},
        {"the data source moves a drop on a row to the gap above it", 0b11, 0, DragOperation::Move,
         true, 0, 3, 30, 0, DragFinish::Release,
         "begin [0-1]; 1 On 3 On accept 3 Above from the table, 2 items ended 16", "2 0 1 3 4 5",
         "[0-1]"},
        {"an unselected row is dragged alone", 0b11, 0, DragOperation::Copy, false, 3, 0, 30, -1,
         DragFinish::Release,
         "begin [3]; 4 On 0 Above accept 0 Above from the table, 1 items ended 1", "3 0 1 2 4 5",
         "[3]"},
        {"rows the data source does not write stay behind", 0b1110, 0b100, DragOperation::Move,
         false, 1, 5, 30, 1, DragFinish::Release,
         "begin [1, 3]; 2 On 6 Above accept 6 Above from the table, 2 items ended 16",
         "0 2 4 5 1 3", "[1-3]"},
        {"a refused drop changes nothing", 0b11, 0, DragOperation::None, false, 0, 5, 30, -1,
         DragFinish::Release, "begin [0-1]; 1 On 5 Above ended 0", "0 1 2 3 4 5", "[0-1]"},
        {"out of the window the toolkit takes the drag", 0b11, 0, DragOperation::Move, false, 0, 2,
         -500, 0, DragFinish::Release, "begin [0-1]; 1 On ended 0", "0 1 2 3 4 5", "[0-1]"},
        {"Escape cancels the drag", 0b11, 0, DragOperation::Move, false, 0, 5, 30, -1,
         DragFinish::Escape, "begin [0-1]; 1 On 5 Above ended 0", "0 1 2 3 4 5", "[0-1]"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Table t;
        t.rows->answer = c.answer;
        t.rows->retargetOn = c.retargetOn;
        IndexSet selection;
        for (std::int64_t row = 0; row < 6; ++row) {
            if (c.selected >> row & 1)
                selection.addIndex(row);
            if (c.unwritable >> row & 1)
                t.rows->unwritable.insert(row);
        }
        t.table->selectRowIndexesByExtendingSelection(selection, false);
        // Past the drag distance into the next row, then to the target.
        const Point pressed = t.inRow(c.pressed);
        UserActions::dragInView(
            t.table, {pressed, {pressed.x, pressed.y + 19}, t.inRow(c.target, c.x, c.edge)},
            c.finish);
        EXPECT_EQ(t.rows->log, c.log);
        EXPECT_EQ(t.shown(), c.shown);
        EXPECT_EQ(t.selected(), c.selectedAfter);
        EXPECT_EQ(DraggingSession::current(), nullptr);
    }
}

TEST(TableRowDrag, FilesFromOutsideDropWithNoSource) {
    Table t;
    ASSERT_TRUE(UserActions::dragFiles(t.table, {"/tmp/a b.txt", "/tmp/c.txt"},
                                       UserActions::DragEnd::Drop));
    EXPECT_EQ(t.rows->log, " 5 On 5 On accept 5 On from outside, 0 items /tmp/a b.txt /tmp/c.txt");
    EXPECT_EQ(t.shown(), "0 1 2 3 4 5");
}
