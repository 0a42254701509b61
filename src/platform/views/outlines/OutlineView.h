#pragma once

#include "platform/views/tables/TableView.h"

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace platform {

class OutlineViewDataSource;
class OutlineViewDelegate;
class OutlineViewTableAdapter;

// A table whose rows are the items of a tree: each row shows one item, indented by its level
// in the outline column, with a disclosure triangle before an expandable item. Expanding an
// item shows its children in the rows under it, asking the data source for them; collapsing
// it hides them again (and remembers which of them were expanded). The user expands and
// collapses with a click on the triangle, or with the Right and Left arrow keys on the selected
// rows; with Alt held, every item under the item too. Rows, columns, views, selection and drags
// are the table's, with items in place of row numbers for the data source and the delegate: a
// drag over the outline proposes a parent item and a child index (-1 for a drop on the item),
// the pointer's distance from the left choosing the level of a drop below the last child of an
// expanded item.
class OutlineView : public TableView {
public:
    explicit OutlineView(Rect frame = {});
    ~OutlineView() override;

    // Both are held weakly, as a window holds its delegate.
    std::shared_ptr<OutlineViewDataSource> dataSource() const { return outlineDataSource_.lock(); }
    void setDataSource(const std::shared_ptr<OutlineViewDataSource>& dataSource);
    std::shared_ptr<OutlineViewDelegate> delegate() const { return outlineDelegate_.lock(); }
    void setDelegate(const std::shared_ptr<OutlineViewDelegate>& delegate);

    // The column with the triangles and the indentation: the first added unless set.
    Ref<TableColumn> outlineTableColumn() const;
    void setOutlineTableColumn(const Ref<TableColumn>& column);
    // How far each level is indented, 16 points unless set.
    double indentationPerLevel() const { return indentationPerLevel_; }
    void setIndentationPerLevel(double indentation);

    // Loads the tree again from the data source, keeping expanded the items that still are
    // in it.
    void reloadData() override;
    // Asks the data source again for the item's values, and with reloadChildren for its
    // children; none for the root reloads everything.
    void reloadItem(const Ref<Object>& item);
    void reloadItemReloadChildren(const Ref<Object>& item, bool reloadChildren);

    bool isExpandable(const Ref<Object>& item);
    bool isItemExpanded(const Ref<Object>& item) const;
    // Expands the item (none for the root, which is always expanded), and with
    // expandChildren every expandable item under it. The delegate hears of each item, but is
    // not asked.
    void expandItem(const Ref<Object>& item);
    void expandItemExpandChildren(const Ref<Object>& item, bool expandChildren);
    void collapseItem(const Ref<Object>& item);
    void collapseItemCollapseChildren(const Ref<Object>& item, bool collapseChildren);

    // None outside the rows.
    Ref<Object> itemAtRow(std::int64_t row) const;
    // -1 for an item not shown (under a collapsed item, or not in the tree).
    std::int64_t rowForItem(const Ref<Object>& item) const;
    // 0 for a top-level item, -1 for an item not shown.
    std::int64_t levelForItem(const Ref<Object>& item) const;
    std::int64_t levelForRow(std::int64_t row) const;
    // None for a top-level item or one not shown.
    Ref<Object> parentForItem(const Ref<Object>& item) const;
    // The item's index among its parent's children, -1 for an item not shown.
    std::int64_t childIndexForItem(const Ref<Object>& item) const;
    // The children the outline holds of an expanded item (none for the root).
    std::int64_t numberOfChildrenOfItem(const Ref<Object>& item) const;
    Ref<Object> childOfItem(std::int64_t index, const Ref<Object>& item) const;

    // Children the data source inserted into, removed from or moved within an expanded item
    // (none for the root): the outline follows with its rows, selection and views, without
    // loading the tree again. Changes under collapsed items need no call.
    void insertItemsAtIndexesInParentWithAnimation(const IndexSet& indexes,
                                                   const Ref<Object>& parent,
                                                   std::uint64_t animation);
    void removeItemsAtIndexesInParentWithAnimation(const IndexSet& indexes,
                                                   const Ref<Object>& parent,
                                                   std::uint64_t animation);
    void moveItemAtIndexInParentToIndexInParent(std::int64_t fromIndex,
                                                const Ref<Object>& oldParent, std::int64_t toIndex,
                                                const Ref<Object>& newParent);

    // While the data source validates a drop, moves it to another item and child index.
    void setDropItemDropChildIndex(const Ref<Object>& item, std::int64_t index);

    // Where the triangle of a row is drawn and clicked; empty for a row of no expandable item.
    Rect frameOfOutlineCellAtRow(std::int64_t row) const;
    Rect frameOfCellAtColumnRow(std::int64_t column, std::int64_t row) const override;

    // Asks the delegate whether the item's cell may be edited.
    bool editColumnRowWithEventSelect(std::int64_t column, std::int64_t row,
                                      const Ref<Event>& event, bool select) override;
    void mouseDown(const Ref<Event>& event) override;
    void keyDown(const Ref<Event>& event) override;

private:
    friend class OutlineViewTableAdapter;

    // One shown row: the item, its level and its parent (none for a top-level item).
    struct Node {
        Ref<Object> item;
        Ref<Object> parent;
        std::int64_t level = 0;
        bool expandable = false;
    };

    Ref<OutlineView> thisOutline() {
        return std::static_pointer_cast<OutlineView>(weak_from_this().lock());
    }
    std::int64_t outlineColumnIndex() const;
    // The rows of the item's children and, under each expanded child, its own, in order. With
    // expandAll every expandable item under it is expanded too, and listed in expandedNow.
    void appendChildren(const Ref<Object>& parent, std::int64_t level, bool expandAll,
                        std::vector<Node>& rows, std::vector<Ref<Object>>& expandedNow);
    // Brings rowOfItem_ in line with the rows from this one on.
    void indexRows(std::int64_t from);
    // The row after the last row under the item's row.
    std::int64_t endOfSubtree(std::int64_t row) const;
    // The row of the item's child at the index, or the row after its last child; -1 for the
    // root stands for the top level.
    std::int64_t rowOfChild(std::int64_t parentRow, std::int64_t index) const;
    std::int64_t childIndexOfRow(std::int64_t row) const;
    // Loads the rows under an expanded row again in place of those shown, telling the table.
    void replaceSubtree(std::int64_t row, bool expandAll, std::vector<Ref<Object>>& expandedNow);
    void removeRows(std::int64_t from, std::int64_t end);
    void expandRow(std::int64_t row, bool expandChildren, bool ask);
    void collapseRow(std::int64_t row, bool collapseChildren, bool ask);
    void postItemNotification(const char* name, const Ref<Object>& item);
    // The parent and child index a drop in the gap above the row proposes: the pointer's x
    // picks the level where the gap closes more than one.
    std::pair<Ref<Object>, std::int64_t> dropTargetAbove(std::int64_t row, double x) const;
    void didFillRow(std::int64_t row, TableRowView& rowView) override;

    std::weak_ptr<OutlineViewDataSource> outlineDataSource_;
    std::weak_ptr<OutlineViewDelegate> outlineDelegate_;
    std::shared_ptr<OutlineViewTableAdapter> adapter_;
    WeakRef<TableColumn> outlineColumn_;
    double indentationPerLevel_ = 16;
    std::vector<Node> rows_;
    std::unordered_map<const Object*, std::int64_t> rowOfItem_;
    std::unordered_set<Ref<Object>> expanded_;
    // The drop the data source last validated or moved to.
    Ref<Object> dropItem_;
    std::int64_t dropChildIndex_ = -1;
};

} // namespace platform
