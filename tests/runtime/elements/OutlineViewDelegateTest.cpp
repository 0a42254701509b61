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
#include <sstream>
#include <string>

using namespace platform;
using platform::testing::UserActions;
using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 9;
constexpr std::int64_t kOutline = 50;

// A tree written as names, a group's children in brackets after its name: "G[a b] c". A node
// named "_" has no text.
struct Tree {
    Ref<CUI_OutlineViewDelegate> delegate;
    std::map<std::string, Ref<OutlineItem>> byName;

    explicit Tree(const std::string& text,
                  Ref<CUI_OutlineViewDelegate> into = std::make_shared<CUI_OutlineViewDelegate>())
        : delegate(std::move(into)) {
        std::istringstream in(text);
        read(in, *delegate->tableData());
    }
    void read(std::istringstream& in, Array& into) {
        std::string name;
        auto flush = [&](bool group) {
            if (name.empty())
                return Ref<OutlineItem>();
            auto item = std::make_shared<OutlineItem>(
                name == "_" ? nullptr : String::fromUtf8(name), nullptr, group);
            byName[name] = item;
            into.addObject(item);
            name.clear();
            return item;
        };
        for (char c; in.get(c);) {
            if (c == '[')
                read(in, *flush(true)->children());
            else if (c == ']')
                break;
            else if (c == ' ')
                flush(false);
            else
                name += c;
        }
        flush(false);
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
    void drop(const std::string& dragged, const std::string& parent, std::int64_t index) {
        delegate->setDraggedItem(byName.at(dragged));
        delegate->moveDraggedItem(parent.empty() ? nullptr : byName.at(parent), index);
    }
};

struct MoveCase {
    const char* name;
    const char* tree;
    const char* dragged;
    const char* parent; // "" for the top level
    std::int64_t childIndex;
    const char* after;
};
void PrintTo(const MoveCase& c, std::ostream* out) {
    *out << c.name;
}

class OutlineMoves : public ::testing::TestWithParam<MoveCase> {};

TEST_P(OutlineMoves, TheNodeLandsWhereTheDropPutsIt) {
    Tree tree(GetParam().tree);
    tree.drop(GetParam().dragged, GetParam().parent, GetParam().childIndex);
    EXPECT_EQ(tree.shown(), GetParam().after);
}

const MoveCase kMoves[] = {
    {"FirstChildDownToThree", "G[a b c d]", "a", "G", 3, "G[b c a d]"},
    {"ThirdChildUpToZero", "G[a b c d]", "c", "G", 0, "G[c a b d]"},
    {"OnItsOwnPlace", "G[a b c]", "b", "G", 1, "G[a b c]"},
    {"JustAfterItself", "G[a b c]", "b", "G", 2, "G[a b c]"},
    {"PastTheLastChild", "G[a b c]", "a", "G", 9, "G[b c a]"},
    {"IntoAnotherGroup", "G[a b] H[c]", "a", "H", 1, "G[b] H[c a]"},
    {"OntoAGroup", "G[a b] H[c]", "b", "H", -1, "G[a] H[b c]"},
    {"OntoAChild", "G[a b] H[c d]", "a", "d", -1, "G[b] H[c a d]"},
    {"OntoANestedChild", "G[N[x y] M[z]]", "y", "z", -1, "G[N[x] M[y z]]"},
    {"IntoANestedGroup", "G[N[x y] M[z]] H[w]", "w", "M", 1, "G[N[x y] M[z w]] H[]"},
    {"OntoANestedGroup", "G[N[x] M[z]]", "x", "M", -1, "G[N[] M[x z]]"},
    {"BetweenCousinsAtOneDepth", "G[N[x y] M[z]]", "x", "M", 0, "G[N[y] M[x z]]"},
    {"TopLevelChildIntoAGroup", "a G[b]", "a", "G", 0, "G[a b]"},
    {"ChildToTheTopLevel", "G[a b] H[]", "a", "", 1, "G[b] a H[]"},
    {"ChildToTheEndOfTheTopLevel", "G[a b] H[]", "b", "", -1, "G[a] H[] b"},
    {"GroupOntoALaterGroup", "G[a] H[b] K[]", "G", "H", -1, "H[b] G[a] K[]"},
    {"GroupOntoAnEarlierGroup", "G[a] H[b] K[]", "K", "G", 2, "K[] G[a] H[b]"},
    {"GroupOntoAChild", "G[a] H[b] K[]", "K", "a", -1, "K[] G[a] H[b]"},
    {"GroupBetweenTopLevelNodes", "G[a] H[b] K[]", "G", "", 2, "H[b] G[a] K[]"},
    {"GroupIntoItsOwnChild", "G[N[x]]", "G", "N", 0, "G[N[x]]"},
    {"GroupOntoItself", "G[a] H[]", "G", "G", -1, "G[a] H[]"},
    {"NestedGroupOntoATopGroup", "G[N[x]] H[]", "N", "H", -1, "G[] N[x] H[]"},
};
INSTANTIATE_TEST_SUITE_P(Drops, OutlineMoves, ::testing::ValuesIn(kMoves),
                         [](const auto& r) { return std::string(r.param.name); });

// Every node of the tree, counted by how often it is met from the top level down.
void count(const Array& list, std::map<const platform::Object*, int>& met, int depth) {
    ASSERT_LT(depth, 64) << "a node is inside itself";
    for (const auto& entry : list) {
        ++met[entry.get()];
        count(*static_cast<const OutlineItem&>(*entry).children(), met, depth + 1);
    }
}

TEST(OutlineMoveSequences, EveryNodeStaysInTheTreeExactlyOnce) {
    std::mt19937 random(20261207);
    for (int round = 0; round < 200; ++round) {
        auto delegate = std::make_shared<CUI_OutlineViewDelegate>();
        std::vector<Ref<OutlineItem>> nodes;
        const int size = 2 + static_cast<int>(random() % 12);
        for (int n = 0; n < size; ++n) {
            auto item = std::make_shared<OutlineItem>(nullptr, nullptr, random() % 2 == 0);
            const auto parentIndex = random() % (nodes.size() + 1);
            const auto parent = parentIndex < nodes.size() ? nodes[parentIndex] : nullptr;
            delegate->childrenOf(parent && parent->isGroup() ? parent : nullptr)->addObject(item);
            nodes.push_back(item);
        }
        for (int move = 0; move < 30; ++move) {
            delegate->setDraggedItem(nodes[random() % nodes.size()]);
            const auto target = random() % (nodes.size() + 1);
            const auto parent = target < nodes.size() ? nodes[target] : nullptr;
            const auto index = static_cast<std::int64_t>(random() % 6) - 1;
            const auto made = delegate->moveDraggedItem(parent, index);
            std::map<const platform::Object*, int> met;
            count(*delegate->tableData(), met, 0);
            ASSERT_EQ(met.size(), nodes.size()) << "round " << round << ", move " << move;
            for (const auto& [node, times] : met)
                ASSERT_EQ(times, 1) << "round " << round << ", move " << move;
            if (made) {
                const auto place = delegate->placeOf(delegate->draggedItem());
                ASSERT_EQ(place->parent, made->to.parent);
                ASSERT_EQ(place->index, made->to.index);
            }
        }
    }
}

// The outline of outline.ui, wired, showing a tree.
struct Loaded {
    Ref<OutlineViewSC> outline;
    Ref<CUI_OutlineViewDelegate> delegate;
    std::unique_ptr<Tree> tree;

    explicit Loaded(const std::string& text) {
        // Each load reads the file afresh: a window still open under the tag would be reused.
        if (const auto open = WindowWithTag(kWindow))
            open->close();
        WindowLoad(kWindow, testsupport::text(PONDARO_INTERFACE_DIR "/outline.ui"));
        outline = ViewWithTagOfClass<OutlineViewSC>(kOutline);
        delegate = std::dynamic_pointer_cast<CUI_OutlineViewDelegate>(outline->delegate());
        tree = std::make_unique<Tree>(text, delegate);
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

std::string delegateHeard() {
    std::string text;
    for (const auto& call : heard())
        if (call.event == OutlineViewEvent::Action ||
            call.event == OutlineViewEvent::DoubleAction ||
            (call.event >= OutlineViewEvent::SelectionDidChange &&
             call.event <= OutlineViewEvent::AcceptFileDrop))
            text += std::to_string(call.event) + " " + std::to_string(call.tag) + "/" +
                    std::to_string(call.wndTag) + " ";
    return text;
}

TEST_F(ShellTest, TheOutlineShowsItsRecordsAsTheUserOpensTheGroups) {
    struct Case {
        const char* name;
        const char* tree;
        std::initializer_list<std::int64_t> opened;
        const char* shown;
    };
    const Case cases[] = {
        {"empty", "", {}, ""},
        {"childless group", "G[]", {0}, "G@0"},
        {"node without text", "G[_ a] _", {0}, "G@0  @1 a@1  @0"},
        {"nested groups", "G[a N[x]] b", {0, 2}, "G@0 a@1 N@1 x@2 b@0"},
    };
    for (const Case& c : cases) {
        const Loaded loaded(c.tree);
        loaded.open(c.opened);
        EXPECT_EQ(loaded.shown(), c.shown) << c.name;
    }
    const Loaded childless("G[]");
    EXPECT_TRUE(childless.outline->isExpandable(childless.tree->byName.at("G")));
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
        loaded.outline->registerForDraggedTypes(Array::arrayWithObjects(
            {String::fromUtf8(CUI_OutlineViewDelegate::reorderPasteboardType().utf8())}));
        loaded.open(c.opened);
        const Point pressed = loaded.middleOf(0, c.dragged);
        const Rect target = loaded.outline->rectOfRow(c.target);
        UserActions::dragInView(loaded.outline,
                                {pressed,
                                 {pressed.x, pressed.y + 12},
                                 {pressed.x, c.onto ? target.midY() : target.minY() + 2}});
        EXPECT_EQ(loaded.tree->shown(), c.after) << c.name;
        EXPECT_FALSE(loaded.delegate->draggedItem()) << c.name;
    }
}

TEST_F(ShellTest, FilesDroppedOnTheOutlineAreReportedWithTheirURLs) {
    const Loaded loaded("G[a] b");
    loaded.outline->registerForDraggedTypes(
        Array::arrayWithObjects({String::fromUtf8(FilenamesPboardType)}));
    DialogCallbackSet(dialogCallback);
    heard().clear();
    EXPECT_TRUE(UserActions::dragFiles(loaded.outline, {"/tmp/a.txt", "/tmp/b.txt"},
                                       UserActions::DragEnd::Drop));
    EXPECT_EQ(delegateHeard(), "3939 50/9 ");
    const auto files = DialogEventArrayObj();
    ASSERT_EQ(files ? files->count() : 0U, 2U);
    EXPECT_EQ(files->objectAtIndex(1)->as<URL>()->path()->utf8(), "/tmp/b.txt");
    EXPECT_EQ(DialogEventUrlObj()->path()->utf8(), "/tmp/a.txt");
    EXPECT_EQ(loaded.tree->shown(), "G[a] b");
}

// A click on the second row, then a double click on it: heard by the outline's own callback
// when it has one, else by the dialog callback, in the order the outline asks, which is its own.
TEST_F(ShellTest, ClicksReachTheOutlinesCallbackOrElseTheDialogCallback) {
    static std::vector<std::string> own;
    for (const bool hasOwn : {false, true}) {
        const Loaded loaded("a b");
        DialogCallbackSet(dialogCallback);
        if (hasOwn)
            Additions::setCuiOutlineViewCallback(
                *loaded.outline, [](std::int64_t tag, std::int64_t event) {
                    own.push_back(std::to_string(event) + "@" + std::to_string(tag));
                });
        heard().clear();
        own.clear();
        CurrentOutputWindowTagSet(0);
        UserActions::clickInView(loaded.outline, loaded.middleOf(0, 1));
        UserActions::doubleClickInView(loaded.outline, loaded.middleOf(0, 1));
        std::vector<std::string> calls = own;
        if (!hasOwn)
            for (const auto& call : heard())
                calls.push_back(std::to_string(call.event) + "@" + std::to_string(call.tag) + "/" +
                                std::to_string(call.wndTag));
        std::erase_if(calls, [](const std::string& call) { return call.starts_with("20"); });
        std::ranges::sort(calls);
        std::string joined;
        for (const auto& call : calls)
            joined += call + " ";
        EXPECT_EQ(joined,
                  hasOwn ? "1634@50 1@50 1@50 3911@50 " : "1634@50/9 1@50/9 1@50/9 3911@50/9 ");
        EXPECT_EQ(CurrentOutputWindowTag(), kWindow);
    }
}

// The user double-clicks a cell, empties it, types and presses Return.
TEST_F(ShellTest, EditsAreWrittenIntoTheNodeOrItsColumnEntry) {
    const auto columns = Dictionary::dictionary();
    for (const char* identifier :
         {"AutomaticTableColumnIdentifier.0", "AutomaticTableColumnIdentifier.1"})
        columns->setObjectForKey(
            std::make_shared<OutlineItem>(String::fromUtf8("old"), nullptr, false),
            String::fromUtf8(identifier));
    const Loaded loaded("a");
    loaded.delegate->tableData()->addObject(std::make_shared<OutlineItem>(columns, false));
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
    EXPECT_EQ(loaded.cell(0, 1), "old");
}

} // namespace
