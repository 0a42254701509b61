// A table loaded from an interface file and wired: its own delegate shows the rows the program
// keeps in tableData, writes the user's edits back, sorts by a header click, fills the program's
// own cells, moves, copies and refuses dropped rows, reports dropped files, and sends every
// question to the table's delegateCallback or else the dialog callback.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_TableViewDelegate.h"
#include "runtime/elements/InterfaceLoading.h"
#include "runtime/elements/TableViewSC.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/app/DraggingInfo.h"
#include "platform/app/Pasteboard.h"
#include "platform/drawing/AttributedString.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/IndexSet.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/SortDescriptor.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/testing/UserActions.h"
#include "platform/views/ScrollView.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/Button.h"
#include "platform/views/tables/TableCellView.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableHeaderView.h"

using namespace platform;
using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 9;
constexpr std::int64_t kTable = 40;

Ref<Object> str(const char* text) {
    return String::fromUtf8(text);
}
Ref<Object> num(std::int64_t value) {
    return Number::numberWithInteger(value);
}
Ref<Object> row(const char* name, std::int64_t score) {
    auto values = Dictionary::dictionary();
    values->setObjectForKey(str(name), str("Name"));
    values->setObjectForKey(num(score), str("Score"));
    return values;
}

struct Loaded {
    Ref<TableViewSC> table;
    Ref<CUI_TableViewDelegate> delegate;

    explicit Loaded(std::vector<Ref<Object>> rows) {
        // Each load reads the file afresh: a window still open under the tag would be reused.
        if (const auto open = WindowWithTag(kWindow))
            open->close();
        WindowLoad(kWindow, text(PONDARO_INTERFACE_DIR "/table.ui"));
        table = ViewWithTagOfClass<TableViewSC>(kTable);
        delegate = std::dynamic_pointer_cast<CUI_TableViewDelegate>(table->delegate());
        for (auto& value : rows)
            delegate->tableData()->addObject(std::move(value));
        table->reloadData();
    }
    std::string cell(std::int64_t column, std::int64_t r) const {
        const auto view = table->viewAtColumnRowMakeIfNecessary(column, r, false);
        const auto cellView = view ? view->as<TableCellView>() : nullptr;
        return cellView && cellView->textField() ? cellView->textField()->stringValue()->utf8()
                                                 : "(none)";
    }
    // The first column's shown text of every row.
    std::string shown() const {
        std::string names;
        for (std::int64_t r = 0; r < table->numberOfRows(); ++r)
            names += (r ? " " : "") + cell(0, r);
        return names;
    }
    Point middleOf(std::int64_t column, std::int64_t r) const {
        const Rect frame = table->frameOfCellAtColumnRow(column, r);
        return {frame.midX(), frame.midY()};
    }
};

// What the dialog callback heard of the table's delegate, one "<event> <tag>/<window tag> " each;
// the table's own mouse and key events are left out.
std::string delegateHeard() {
    std::string text;
    for (const auto& call : heard())
        if (call.event == kControlActionEvent ||
            (call.event >= TableViewEvent::ViewForTableColumnRow &&
             call.event <= TableViewEvent::DidEndEditing))
            text += std::to_string(call.event) + " " + std::to_string(call.tag) + "/" +
                    std::to_string(call.wndTag) + " ";
    return text;
}

TEST_F(ShellTest, ALoadedTableShowsItsRowsInEveryColumnNamedByTheTitles) {
    const char* const kNames[] = {"one", "two", "three"};
    const Loaded loaded({str("one"), str("two"), str("three")});
    ASSERT_TRUE(loaded.delegate);
    EXPECT_TRUE(loaded.table->superview()->superview()->isKindOf<ScrollView>());
    EXPECT_EQ(loaded.table->columnWithIdentifier(String::fromUtf8("Score")), 1);
    for (std::int64_t column = 0; column < 2; ++column)
        for (std::int64_t r = 0; r < 3; ++r)
            EXPECT_EQ(loaded.cell(column, r), kNames[r]);
}

// The user double-clicks a cell, empties it with Backspace, types and presses Return.
TEST_F(ShellTest, EditsAreWrittenBackIntoTheRowByItsKind) {
    const auto attributes = Dictionary::dictionary();
    struct Case {
        const char* name;
        Ref<Object> before;
        std::int64_t column;
        const char* typed;
        Ref<Object> after;
        const char* shown;
    };
    const Case cases[] = {
        {"string emptied", str("abc"), 0, "", str(""), ""},
        {"attributed emptied keeps a blank",
         AttributedString::create(String::fromUtf8("abc"), attributes), 0, "",
         AttributedString::create(String::fromUtf8(" "), attributes), ""},
        {"number", num(5), 0, " 012", num(12), "12"},
        {"number keeps its value for text", num(5), 0, "x7", num(5), "5"},
        {"dictionary value under the column", row("ann", 3), 1, "9", row("ann", 9), "9"},
    };
    for (const Case& c : cases) {
        const Loaded loaded({c.before});
        DialogCallbackSet(dialogCallback);
        heard().clear();
        UserActions::doubleClickInView(loaded.table, loaded.middleOf(c.column, 0));
        const auto window = loaded.table->window();
        UserActions::pressKey(window, UserActions::Key::Backspace);
        for (const char* typed = c.typed; *typed; ++typed)
            UserActions::typeCharacter(window, static_cast<char32_t>(*typed));
        UserActions::pressKey(window, UserActions::Key::Return);
        EXPECT_TRUE(loaded.delegate->tableData()->objectAtIndex(0)->isEqual(*c.after)) << c.name;
        EXPECT_EQ(loaded.delegate->eventCellString()->utf8(), c.typed) << c.name;
        EXPECT_EQ(loaded.cell(c.column, 0), c.shown) << c.name;
        // The first click selects the row, the second edits it after the double action.
        EXPECT_EQ(delegateHeard(),
                  "1607 40/9 1604 40/9 1608 40/9 1611 40/9 1612 40/9 1 40/9 1634 40/9 1636 40/9 ")
            << c.name;
    }
}

TEST_F(ShellTest, AHeaderClickSortsTheRows) {
    const Loaded loaded({row("cy", 30), row("al", 10), row("bo", 20)});
    loaded.table->tableColumns()[1]->setSortDescriptorPrototype(
        SortDescriptor::sortDescriptorWithKeyAscending("Score", true));
    const auto header = loaded.table->headerView();
    const Rect score = loaded.table->rectOfColumn(1);
    UserActions::clickInView(header, {score.midX(), header->bounds().midY()});
    EXPECT_EQ(loaded.shown(), "al bo cy");
}

// The program makes the cells of the Name column itself, when the table has none to reuse.
TEST_F(ShellTest, CustomCellsAreFilledByTheProgramAndTheirControlsWiredOnce) {
    static std::vector<std::string> filled;
    filled.clear();
    // No rows yet: no text cells of the table's own wait to be reused.
    Loaded loaded({});
    static CUI_TableViewDelegate* delegate = nullptr;
    delegate = loaded.delegate.get();
    Additions::setDelegateCallback(*loaded.table, [](std::int64_t, std::int64_t event) {
        if (event != TableViewEvent::ViewForTableColumnRow || delegate->eventCellView() ||
            delegate->eventColumnIdentifier()->utf8() != "Name")
            return;
        auto cell = std::make_shared<TableCellView>(Rect{0, 0, 100, 17});
        cell->setIdentifier(String::fromUtf8("Name"));
        cell->addSubview(std::make_shared<TextField>(Rect{0, 0, 60, 17}));
        cell->addSubview(std::make_shared<Button>(Rect{60, 0, 40, 17}));
        delegate->setEventCellView(cell);
    });
    Additions::setCustomCellCallback(*loaded.table, [](std::int64_t tag, const Ref<String>& column,
                                                       std::int64_t r, const Ref<Object>& subview,
                                                       void* data) {
        filled.push_back(std::to_string(tag) + column->utf8() + std::to_string(r) +
                         (subview->isKindOf<Button>() ? "button" : "field") +
                         static_cast<const char*>(data));
    });
    static char data[] = "!";
    Additions::setCustomCellUserData(*loaded.table, data);
    Additions::setCustomCellIdentifiers(*loaded.table, Array::arrayWithObjects({str("Name")}));
    loaded.delegate->setTableData(Array::arrayWithObjects({str("a"), str("b")}));
    loaded.table->reloadData();
    ASSERT_EQ(filled, (std::vector<std::string>{"40Name0field!", "40Name0button!", "40Name1field!",
                                                "40Name1button!"}));
    const auto button = loaded.table->viewAtColumnRowMakeIfNecessary(0, 0, false)->subviews()[1];
    EXPECT_EQ(button->as<Button>()->action().name(), "controlAction:");
    EXPECT_EQ(Additions::wndTag(*button), kWindow);
    // Reused after a reload, the cells are filled again but not wired again.
    Additions::setWndTag(*button, 0);
    loaded.table->reloadData();
    EXPECT_EQ(filled.size(), 8U);
    EXPECT_EQ(Additions::wndTag(*button), 0);
    EXPECT_EQ(loaded.cell(1, 1), "b");
}

// The user drags the selected rows with the mouse and drops them near a row's top edge (above it)
// or in its middle (on it); the table offers to move, to copy, or both.
TEST_F(ShellTest, RowsDraggedInsideTheTableMoveOrAreCopiedOrRefused) {
    using DragOperation::Copy;
    using DragOperation::Move;
    struct Case {
        const char* name;
        Range selected;
        std::int64_t target;
        bool on;
        std::uint64_t mask;
        std::int64_t dropOperation;
        // The rows shown after the drop, which start as 0 to 5.
        const char* after;
    };
    constexpr auto any = CUI_TableViewDelegate::kAnyDropOperation;
    const Case cases[] = {
        {"down", {0, 2}, 5, false, Move | Copy, any, "2 3 4 0 1 5"},
        {"up", {4, 2}, 1, true, Move, any, "0 4 5 1 2 3"},
        {"onto themselves", {2, 2}, 3, true, Move, any, "0 1 2 3 4 5"},
        {"on a row where only above is taken", {0, 1}, 3, true, Move, 1, "0 1 2 3 4 5"},
        {"copies", {1, 2}, 4, false, Copy, any, "0 1 2 3 1 2 4 5"},
    };
    for (const Case& c : cases) {
        const Loaded loaded({str("0"), str("1"), str("2"), str("3"), str("4"), str("5")});
        const auto& table = loaded.table;
        table->registerForDraggedTypes(Array::arrayWithObjects(
            {String::fromUtf8(CUI_TableViewDelegate::reorderPasteboardType().utf8())}));
        table->setAllowsMultipleSelection(true);
        table->setDraggingSourceOperationMaskForLocal(c.mask, true);
        loaded.delegate->setDropOperation(c.dropOperation);
        loaded.delegate->setAllowsDragCopy(true);
        table->selectRowIndexesByExtendingSelection(
            *IndexSet::indexSetWithIndexesInRange(c.selected), false);
        const Point pressed = loaded.middleOf(0, c.selected.location);
        const Rect target = table->rectOfRow(c.target);
        UserActions::dragInView(table, {pressed,
                                        {pressed.x, pressed.y + 12},
                                        {pressed.x, c.on ? target.midY() : target.minY() + 2}});
        EXPECT_EQ(loaded.shown(), c.after) << c.name;
        EXPECT_FALSE(loaded.delegate->currentlyDraggedObjects()) << c.name;
        EXPECT_EQ(loaded.delegate->dragSourceIndex(), -1) << c.name;
    }
}

// Files dragged from the file manager over the middle of the table, below its two rows.
TEST_F(ShellTest, FilesDroppedFromOutsideAreReportedWithTheirURLs) {
    const Loaded loaded({str("a"), str("b")});
    loaded.table->registerForDraggedTypes(
        Array::arrayWithObjects({String::fromUtf8(FilenamesPboardType)}));
    DialogCallbackSet(dialogCallback);
    heard().clear();
    DialogEventSetBoolVal(false);
    EXPECT_TRUE(UserActions::dragFiles(loaded.table, {"/tmp/a.txt", "/tmp/b.txt"},
                                       UserActions::DragEnd::Drop));
    EXPECT_TRUE(DialogEventBoolVal());
    EXPECT_EQ(DialogEventLongVal(), 2);
    EXPECT_EQ(heard().back().event, TableViewEvent::AcceptFileDrop);
    ASSERT_EQ(DialogEventArrayObj()->count(), 2U);
    EXPECT_EQ(DialogEventUrlObj()->path()->utf8(), "/tmp/a.txt");
    EXPECT_EQ(loaded.delegate->tableData()->count(), 2U);
}

// With no receiver, each question is answered as the table answers without a delegate, whatever
// an earlier event left in the record; a row count the program answers beyond its rows shows
// empty rows.
TEST_F(ShellTest, QuestionsNobodyAnswersGetTheTablesOwnAnswers) {
    Loaded loaded({str("a"), str("b")});
    const auto& d = loaded.delegate;
    const auto& t = loaded.table;
    const auto column = t->tableColumns()[0];
    // Each answer less the table's own: 0 when they agree.
    const std::pair<const char*, std::function<double()>> questions[] = {
        {"group row", [&] { return d->tableViewIsGroupRow(t, 0); }},
        {"height", [&] { return d->tableViewHeightOfRow(t, 0) - t->rowHeight(); }},
        {"selection may change", [&] { return d->selectionShouldChangeInTableView(t) - 1; }},
        {"row", [&] { return d->tableViewShouldSelectRow(t, 0) - 1; }},
        {"column", [&] { return d->tableViewShouldSelectTableColumn(t, column) - 1; }},
        {"type select",
         [&] { return !d->tableViewShouldTypeSelectForEventWithCurrentSearchString(t, {}, {}); }},
        {"reorder", [&] { return d->tableViewShouldReorderColumnToColumn(t, 0, 1) - 1; }},
        {"visibility",
         [&] { return d->tableViewUserCanChangeVisibilityOfTableColumn(t, column) - 1; }},
        {"rows", [&] { return d->numberOfRowsInTableView(t) - 2; }},
        {"row view", [&] { return d->tableViewRowViewForRow(t, 0) ? 1 : 0; }},
    };
    for (const auto& [name, ask] : questions) {
        for (const bool left : {true, false}) {
            DialogEventSetBoolVal(left);
            DialogEventSetViewObj(t);
            EXPECT_EQ(ask(), 0) << name;
        }
    }
    static CUI_TableViewDelegate* delegate = nullptr;
    delegate = d.get();
    Additions::setDelegateCallback(*t, [](std::int64_t, std::int64_t event) {
        if (event == TableViewEvent::NumberOfRows)
            delegate->setEventNumberOfRows(3);
    });
    t->reloadData();
    EXPECT_EQ(loaded.shown(), "a b ");
}

// A click on the second row: the questions before the selection changes and the action after,
// heard by the table's own callback when it has one, else by the dialog callback (as a double
// click is heard above); a refusal of the row keeps the selection.
TEST_F(ShellTest, TheDelegatesQuestionsReachTheTablesCallbackOrElseTheDialogCallback) {
    struct Case {
        const char* name;
        bool own;
        bool refuse;
        const char* heard;
        std::int64_t selected;
    };
    const Case cases[] = {
        {"dialog refusing", false, true, "1607 40/9 1604 40/9 1608 40/9 1 40/9 ", -1},
        {"own callback", true, false, "1607@40 1604@40 1608@40 1611@40 1612@40 1@40 ", 1},
    };
    for (const Case& c : cases) {
        const Loaded loaded({str("a"), str("b")});
        DialogCallbackSet(dialogCallback);
        static std::string own;
        own.clear();
        if (c.own)
            Additions::setDelegateCallback(*loaded.table, [](std::int64_t tag, std::int64_t event) {
                own += std::to_string(event) + "@" + std::to_string(tag) + " ";
            });
        whileHeard() = [&] {
            if (c.refuse && heard().back().event == TableViewEvent::ShouldSelectRow)
                DialogEventSetBoolVal(false);
        };
        heard().clear();
        UserActions::clickInView(loaded.table, loaded.middleOf(0, 1));
        EXPECT_EQ(c.own ? own : delegateHeard(), c.heard) << c.name;
        EXPECT_EQ(loaded.table->selectedRow(), c.selected) << c.name;
        whileHeard() = nullptr;
    }
}

} // namespace
