// An outline loaded from an interface file and wired: its own delegate shows the tree the
// program keeps as OutlineItem records, reports clicks and dropped files to the outline's
// callback or else the dialog callback, writes edits back, and moves a node dragged with the
// mouse; no sequence of drops loses, doubles or tangles a node.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_OutlineViewDelegate.h"
#include "runtime/elements/InterfaceLoading.h"
#include "runtime/elements/OutlineViewSC.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/app/Pasteboard.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TextField.h"
#include "platform/views/tables/TableCellView.h"
#include "platform/views/tables/TableColumn.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>

using namespace platform;
using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 9;
constexpr std::int64_t kOutline = 50;

// A tree written with one letter a node, a group's children in brackets after it: "G[a b] c".
// A node written "_" has no text.
struct Tree {
    Ref<CUI_OutlineViewDelegate> delegate;
    std::map<char, Ref<OutlineItem>> byName;

    explicit Tree(const std::string& text,
                  Ref<CUI_OutlineViewDelegate> into = std::make_shared<CUI_OutlineViewDelegate>())
        : delegate(std::move(into)) {
        std::size_t at = 0;
        read(text, at, *delegate->tableData());
    }
    void read(const std::string& text, std::size_t& at, Array& into) {
        Ref<OutlineItem> last;
        while (at < text.size()) {
            const char c = text[at++];
            if (c == ']')
                return;
            if (c == '[') {
                last->setIsGroup(true);
                read(text, at, *last->children());
            } else if (c != ' ') {
                last = std::make_shared<OutlineItem>(
                    c == '_' ? nullptr : String::fromUtf8(std::string(1, c)), nullptr, false);
                into.addObject(byName[c] = last);
            }
        }
    }
    static std::string write(const Array& list) {
        std::string out;
        for (const auto& entry : list) {
            const auto& item = static_cast<const OutlineItem&>(*entry);
            out += (out.empty() ? "" : " ") + (item.string() ? item.string()->utf8() : "_");
            if (item.isGroup())
                out += "[" + write(*item.children()) + "]";
        }
        return out;
    }
    std::string shown() const { return write(*delegate->tableData()); }
};

// Drops the mouse cannot make in a small window, and those the tree's shape decides.
TEST(OutlineMoves, TheNodeLandsWhereTheDropPutsIt) {
    struct Case {
        const char* tree;
        char dragged;
        char parent; // ' ' for the top level
        std::int64_t childIndex;
        const char* after;
    };
    const Case cases[] = {
        {"G[a b c]", 'a', 'G', 9, "G[b c a]"},
        {"G[a b] H[c]", 'a', 'H', 1, "G[b] H[c a]"},
        {"G[a b] H[c]", 'b', 'H', -1, "G[a] H[b c]"},
        {"G[N[x y] M[z]] H[w]", 'w', 'M', 1, "G[N[x y] M[z w]] H[]"},
        {"G[N[x] M[z]]", 'x', 'M', -1, "G[N[] M[x z]]"},
        {"G[N[x y] M[z]]", 'x', 'M', 0, "G[N[y] M[x z]]"},
        {"a G[b]", 'a', 'G', 0, "G[a b]"},
        {"G[a b] H[]", 'b', ' ', -1, "G[a] H[] b"},
        {"G[a] H[b] K[]", 'G', 'H', -1, "H[b] G[a] K[]"},
        {"G[a] H[b] K[]", 'K', 'G', 2, "K[] G[a] H[b]"},
        {"G[a] H[b] K[]", 'K', 'a', -1, "K[] G[a] H[b]"},
        {"G[N[x]]", 'G', 'N', 0, "G[N[x]]"},
        {"G[a] H[]", 'G', 'G', -1, "G[a] H[]"},
        {"G[N[x]] H[]", 'N', 'H', -1, "G[] N[x] H[]"},
    };
    for (const Case& c : cases) {
        Tree tree(c.tree);
        tree.delegate->setDraggedItem(tree.byName.at(c.dragged));
        tree.delegate->moveDraggedItem(c.parent != ' ' ? tree.byName.at(c.parent) : nullptr,
                                       c.childIndex);
        EXPECT_EQ(tree.shown(), c.after) << c.dragged << " to " << c.parent << " " << c.childIndex;
    }
}

// Every node met from the top level down, as often as it is met; a node inside itself stops
// the walk.
void collect(const Array& list, std::vector<const Object*>& met) {
    for (const auto& entry : list) {
        if (met.size() > 100)
            return;
        met.push_back(entry.get());
        collect(*static_cast<const OutlineItem&>(*entry).children(), met);
    }
}

TEST(OutlineMoveSequences, EveryNodeStaysInTheTreeExactlyOnce) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 200; ++round) {
        auto delegate = std::make_shared<CUI_OutlineViewDelegate>();
        std::vector<Ref<OutlineItem>> nodes;
        std::vector<const Object*> all;
        for (auto n = 2 + random() % 12; n > 0; --n) {
            auto item = std::make_shared<OutlineItem>(nullptr, nullptr, random() % 2 == 0);
            const auto parent = nodes.empty() ? nullptr : nodes[random() % nodes.size()];
            delegate->childrenOf(parent && parent->isGroup() ? parent : nullptr)->addObject(item);
            nodes.push_back(item);
            all.push_back(item.get());
        }
        std::ranges::sort(all);
        for (int move = 0; move < 30; ++move) {
            delegate->setDraggedItem(nodes[random() % nodes.size()]);
            const auto target = random() % (nodes.size() + 1);
            const auto made =
                delegate->moveDraggedItem(target < nodes.size() ? nodes[target] : nullptr,
                                          static_cast<std::int64_t>(random() % 6) - 1);
            std::vector<const Object*> met;
            collect(*delegate->tableData(), met);
            std::ranges::sort(met);
            ASSERT_EQ(met, all) << "round " << round << ", move " << move;
            const auto place = delegate->placeOf(delegate->draggedItem());
            ASSERT_TRUE(!made ||
                        (place->parent == made->to.parent && place->index == made->to.index));
        }
    }
}

// The outline of outline.ui, wired, showing a tree.
struct Loaded {
    Ref<OutlineViewSC> outline;
    std::unique_ptr<Tree> tree;

    explicit Loaded(const std::string& text) {
        // Each load reads the file afresh: a window still open under the tag would be reused.
        if (const auto open = WindowWithTag(kWindow))
            open->close();
        WindowLoad(kWindow, testsupport::text(PONDARO_INTERFACE_DIR "/outline.ui"));
        outline = ViewWithTagOfClass<OutlineViewSC>(kOutline);
        tree = std::make_unique<Tree>(
            text, std::dynamic_pointer_cast<CUI_OutlineViewDelegate>(outline->delegate()));
        outline->registerForDraggedTypes(Array::arrayWithObjects(
            {String::fromUtf8(CUI_OutlineViewDelegate::reorderPasteboardType().utf8()),
             String::fromUtf8(FilenamesPboardType)}));
        outline->reloadData();
    }
    std::string cell(std::int64_t column, std::int64_t row) const {
        const auto view = outline->viewAtColumnRowMakeIfNecessary(column, row, false);
        const auto cellView = view ? view->as<TableCellView>() : nullptr;
        return cellView && cellView->textField() ? cellView->textField()->stringValue()->utf8()
                                                 : "(none)";
    }
    // Each row's text in the first column, with its level.
    std::string shown() const {
        std::string rows;
        for (std::int64_t row = 0; row < outline->numberOfRows(); ++row)
            rows +=
                (row ? " " : "") + cell(0, row) + "@" + std::to_string(outline->levelForRow(row));
        return rows;
    }
    Point middleOf(std::int64_t column, std::int64_t row) const {
        const Rect frame = outline->frameOfCellAtColumnRow(column, row);
        return {frame.midX(), frame.midY()};
    }
    // Opens the groups of these rows, in order, with a click on their triangles.
    void open(std::initializer_list<std::int64_t> rows) const {
        for (const std::int64_t row : rows) {
            const Rect triangle = outline->frameOfOutlineCellAtRow(row);
            UserActions::clickInView(outline, {triangle.midX(), triangle.midY()});
        }
    }
};

TEST_F(ShellTest, TheOutlineShowsItsRecordsAsTheUserOpensTheGroups) {
    struct Case {
        const char* tree;
        std::initializer_list<std::int64_t> opened;
        const char* shown;
    };
    const Case cases[] = {
        {"", {}, ""},
        {"G[]", {0}, "G@0"},
        {"G[_ a] _", {0}, "G@0  @1 a@1  @0"},
        {"G[a N[x]] b", {0, 2}, "G@0 a@1 N@1 x@2 b@0"},
    };
    for (const Case& c : cases) {
        const Loaded loaded(c.tree);
        loaded.open(c.opened);
        EXPECT_EQ(loaded.shown(), c.shown) << c.tree;
    }
    const Loaded childless("G[]");
    EXPECT_TRUE(childless.outline->isExpandable(childless.tree->byName.at('G')));
}

// The user drags a row by the mouse and lets it go at the top edge of another row (in front
// of it) or in its middle (onto it).
TEST_F(ShellTest, ANodeDraggedWithTheMouseMovesInTheRecords) {
    struct Case {
        const char* name;
        const char* tree;
        std::initializer_list<std::int64_t> opened;
        std::int64_t dragged;
        std::int64_t target;
        bool onto;
        const char* after;
    };
    const Case cases[] = {
        {"first child in front of the fourth", "G[a b c d]", {0}, 1, 4, false, "G[b c a d]"},
        {"third child to the front", "G[a b c d]", {0}, 3, 1, false, "G[c a b d]"},
        {"in front of the next one", "G[a b c]", {0}, 2, 3, false, "G[a b c]"},
        {"onto a child of another group", "G[a b] H[c d]", {0, 3}, 1, 5, true, "G[b] H[c a d]"},
        {"into a nested group", "G[N[x y] M[z]]", {0, 1, 4}, 3, 4, true, "G[N[x] M[y z]]"},
    };
    for (const Case& c : cases) {
        const Loaded loaded(c.tree);
        loaded.open(c.opened);
        const Point pressed = loaded.middleOf(0, c.dragged);
        const Rect target = loaded.outline->rectOfRow(c.target);
        UserActions::dragInView(loaded.outline,
                                {pressed,
                                 {pressed.x, pressed.y + 12},
                                 {pressed.x, c.onto ? target.midY() : target.minY() + 2}});
        EXPECT_EQ(loaded.tree->shown(), c.after) << c.name;
        EXPECT_FALSE(loaded.tree->delegate->draggedItem()) << c.name;
    }
}

TEST_F(ShellTest, FilesDroppedOnTheOutlineAreReportedWithTheirURLs) {
    const Loaded loaded("G[a] b");
    DialogCallbackSet(dialogCallback);
    heard().clear();
    EXPECT_TRUE(UserActions::dragFiles(loaded.outline, {"/tmp/a.txt", "/tmp/b.txt"},
                                       UserActions::DragEnd::Drop));
    ASSERT_EQ(heard().size(), 1U);
    EXPECT_EQ(std::to_string(heard()[0].event) + "/" + std::to_string(heard()[0].wndTag), "3939/9");
    const auto files = DialogEventArrayObj();
    ASSERT_EQ(files ? files->count() : 0U, 2U);
    EXPECT_EQ(DialogEventUrlObj()->path()->utf8(), "/tmp/a.txt");
    EXPECT_EQ(loaded.tree->shown(), "G[a] b");
}

// A click on the second row, then a double click on it, heard by the outline's own callback
// when it has one, else by the dialog callback; the order is the outline's own.
TEST_F(ShellTest, ClicksReachTheOutlinesCallbackOrElseTheDialogCallback) {
    static std::multiset<std::string> calls;
    for (const bool hasOwn : {false, true}) {
        const Loaded loaded("a b");
        DialogCallbackSet(dialogCallback);
        if (hasOwn)
            Additions::setCuiOutlineViewCallback(*loaded.outline, [](auto tag, auto event) {
                calls.insert(std::to_string(event) + "@" + std::to_string(tag));
            });
        heard().clear();
        calls.clear();
        CurrentOutputWindowTagSet(0);
        UserActions::clickInView(loaded.outline, loaded.middleOf(0, 1));
        UserActions::doubleClickInView(loaded.outline, loaded.middleOf(0, 1));
        for (const auto& call : heard())
            if (call.event / 100 != 20) // the outline's own view events
                calls.insert(std::to_string(call.event) + "@" + std::to_string(call.tag));
        EXPECT_EQ(calls, (std::multiset<std::string>{"1@50", "1@50", "1634@50", "3911@50"}));
        EXPECT_EQ(CurrentOutputWindowTag(), kWindow);
    }
}

// The user double-clicks a cell, empties it, types and presses Return.
TEST_F(ShellTest, EditsAreWrittenIntoTheNodeOrItsColumnEntry) {
    const auto columns = Dictionary::dictionary();
    columns->setObjectForKey(std::make_shared<OutlineItem>(String::fromUtf8("old"), nullptr, false),
                             String::fromUtf8("AutomaticTableColumnIdentifier.1"));
    const Loaded loaded("a");
    loaded.tree->delegate->tableData()->addObject(std::make_shared<OutlineItem>(columns, false));
    loaded.outline->reloadData();
    for (const std::int64_t row : {0, 1}) {
        UserActions::doubleClickInView(loaded.outline, loaded.middleOf(1, row));
        const auto window = loaded.outline->window();
        UserActions::pressKey(window, UserActions::Key::Backspace);
        UserActions::typeCharacter(window, U'n');
        UserActions::pressKey(window, UserActions::Key::Return);
        EXPECT_EQ(loaded.cell(1, row), "n") << row;
    }
    EXPECT_EQ(loaded.tree->shown(), "n _");
    EXPECT_EQ(loaded.cell(0, 1), " ") << "a column without an entry shows a blank";
}

} // namespace
