#include "platform/views/outlines/OutlineView.h"

#include "platform/app/Event.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/IndexSet.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/views/outlines/OutlineDisclosureView.h"
#include "platform/views/outlines/OutlineViewDataSource.h"
#include "platform/views/outlines/OutlineViewDelegate.h"
#include "platform/views/outlines/OutlineViewTableAdapter.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableRowView.h"
#include "platform/windows/Window.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {
// The room the triangle takes before the item's cell, at every level.
constexpr double kDisclosureWidth = 16;
} // namespace

OutlineView::OutlineView(Rect frame)
    : TableView(frame), adapter_(std::make_shared<OutlineViewTableAdapter>(*this)) {
    TableView::setDataSource(adapter_);
}

OutlineView::~OutlineView() = default;

void OutlineView::setDataSource(const std::shared_ptr<OutlineViewDataSource>& dataSource) {
    outlineDataSource_ = dataSource;
}

void OutlineView::setDelegate(const std::shared_ptr<OutlineViewDelegate>& delegate) {
    outlineDelegate_ = delegate;
    // Without a delegate the table answers every row question itself, and spares asking the
    // height of every row of a large tree.
    TableView::setDelegate(delegate ? std::shared_ptr<TableViewDelegate>(adapter_) : nullptr);
}

Ref<TableColumn> OutlineView::outlineTableColumn() const {
    const auto set = outlineColumn_.lock();
    if (set && std::ranges::find(tableColumns(), set) != tableColumns().end())
        return set;
    return tableColumns().empty() ? nullptr : tableColumns().front();
}

void OutlineView::setOutlineTableColumn(const Ref<TableColumn>& column) {
    outlineColumn_ = column;
    reloadDataForRowIndexesColumnIndexes(
        *IndexSet::indexSetWithIndexesInRange({0, numberOfRows()}),
        *IndexSet::indexSetWithIndexesInRange({0, numberOfColumns()}));
}

std::int64_t OutlineView::outlineColumnIndex() const {
    const auto column = outlineTableColumn();
    const auto found = std::ranges::find(tableColumns(), column);
    return column && found != tableColumns().end() ? found - tableColumns().begin() : -1;
}

void OutlineView::setIndentationPerLevel(double indentation) {
    indentationPerLevel_ = std::max(0.0, indentation);
    reloadData();
}

void OutlineView::appendChildren(const Ref<Object>& parent, std::int64_t level, bool expandAll,
                                 std::vector<Node>& rows, std::vector<Ref<Object>>& expandedNow) {
    const auto source = dataSource();
    if (!source)
        return;
    const auto outline = thisOutline();
    const std::int64_t count =
        std::max<std::int64_t>(0, source->outlineViewNumberOfChildrenOfItem(outline, parent));
    for (std::int64_t index = 0; index < count; ++index) {
        Node node{source->outlineViewChildOfItem(outline, index, parent), parent, level, false};
        node.expandable = source->outlineViewIsItemExpandable(outline, node.item);
        const Ref<Object> item = node.item;
        const bool expandable = node.expandable;
        rows.push_back(std::move(node));
        if (!expandable)
            continue;
        if (expandAll && !expanded_.contains(item)) {
            postItemNotification("NSOutlineViewItemWillExpandNotification", item);
            expanded_.insert(item);
            expandedNow.push_back(item);
        }
        if (expanded_.contains(item))
            appendChildren(item, level + 1, expandAll, rows, expandedNow);
    }
}

void OutlineView::indexRows(std::int64_t from) {
    for (std::int64_t row = from; row < std::ssize(rows_); ++row)
        rowOfItem_[rows_[row].item.get()] = row;
}

void OutlineView::reloadData() {
    std::vector<Node> rows;
    std::vector<Ref<Object>> expandedNow;
    appendChildren(nullptr, 0, false, rows, expandedNow);
    rows_ = std::move(rows);
    rowOfItem_.clear();
    indexRows(0);
    TableView::reloadData();
}

void OutlineView::reloadItem(const Ref<Object>& item) {
    reloadItemReloadChildren(item, false);
}

void OutlineView::reloadItemReloadChildren(const Ref<Object>& item, bool reloadChildren) {
    const std::int64_t row = rowForItem(item);
    if (!item || row < 0) {
        if (!item)
            reloadData();
        return;
    }
    if (const auto source = dataSource())
        rows_[row].expandable = source->outlineViewIsItemExpandable(thisOutline(), item);
    if (!rows_[row].expandable)
        expanded_.erase(item);
    if (reloadChildren) {
        std::vector<Ref<Object>> expandedNow;
        replaceSubtree(row, false, expandedNow);
    }
    reloadDataForRowIndexesColumnIndexes(
        *IndexSet::indexSetWithIndex(row),
        *IndexSet::indexSetWithIndexesInRange({0, numberOfColumns()}));
}

std::int64_t OutlineView::endOfSubtree(std::int64_t row) const {
    std::int64_t end = row + 1;
    while (end < std::ssize(rows_) && rows_[end].level > rows_[row].level)
        ++end;
    return end;
}

std::int64_t OutlineView::rowOfChild(std::int64_t parentRow, std::int64_t index) const {
    const std::int64_t level = parentRow < 0 ? 0 : rows_[parentRow].level + 1;
    const std::int64_t end = parentRow < 0 ? std::ssize(rows_) : endOfSubtree(parentRow);
    std::int64_t seen = 0;
    for (std::int64_t row = parentRow + 1; row < end; ++row)
        if (rows_[row].level == level && seen++ == index)
            return row;
    return end;
}

std::int64_t OutlineView::childIndexOfRow(std::int64_t row) const {
    std::int64_t index = 0;
    for (std::int64_t before = row - 1; before >= 0 && rows_[before].level >= rows_[row].level;
         --before)
        index += rows_[before].level == rows_[row].level ? 1 : 0;
    return index;
}

void OutlineView::removeRows(std::int64_t from, std::int64_t end) {
    if (end <= from)
        return;
    for (std::int64_t row = from; row < end; ++row)
        rowOfItem_.erase(rows_[row].item.get());
    rows_.erase(rows_.begin() + from, rows_.begin() + end);
    indexRows(from);
    removeRowsAtIndexesWithAnimation(*IndexSet::indexSetWithIndexesInRange({from, end - from}),
                                     TableViewAnimation::EffectNone);
}

void OutlineView::replaceSubtree(std::int64_t row, bool expandAll,
                                 std::vector<Ref<Object>>& expandedNow) {
    const Ref<Object> item = rows_[row].item;
    beginUpdates();
    removeRows(row + 1, endOfSubtree(row));
    std::vector<Node> children;
    if (expanded_.contains(item))
        appendChildren(item, rows_[row].level + 1, expandAll, children, expandedNow);
    const auto count = std::ssize(children);
    rows_.insert(rows_.begin() + row + 1, std::make_move_iterator(children.begin()),
                 std::make_move_iterator(children.end()));
    indexRows(row + 1);
    if (count > 0)
        insertRowsAtIndexesWithAnimation(*IndexSet::indexSetWithIndexesInRange({row + 1, count}),
                                         TableViewAnimation::EffectNone);
    endUpdates();
}

bool OutlineView::isExpandable(const Ref<Object>& item) {
    if (!item)
        return true;
    if (const std::int64_t row = rowForItem(item); row >= 0)
        return rows_[row].expandable;
    const auto source = dataSource();
    return source && source->outlineViewIsItemExpandable(thisOutline(), item);
}

bool OutlineView::isItemExpanded(const Ref<Object>& item) const {
    return !item || expanded_.contains(item);
}

void OutlineView::postItemNotification(const char* name, const Ref<Object>& item) {
    const auto d = delegate();
    if (!d)
        return;
    const auto info = Dictionary::dictionary();
    info->setObjectForKey(item, String::fromUtf8("NSObject"));
    const auto notification =
        std::make_shared<Notification>(String::fromUtf8(name), thisOutline(), info);
    const std::string which = name;
    if (which == "NSOutlineViewItemWillExpandNotification")
        d->outlineViewItemWillExpand(notification);
    else if (which == "NSOutlineViewItemDidExpandNotification")
        d->outlineViewItemDidExpand(notification);
    else if (which == "NSOutlineViewItemWillCollapseNotification")
        d->outlineViewItemWillCollapse(notification);
    else
        d->outlineViewItemDidCollapse(notification);
}

void OutlineView::expandRow(std::int64_t row, bool expandChildren, bool ask) {
    const Ref<Object> item = rows_[row].item;
    const bool wasExpanded = expanded_.contains(item);
    if (!rows_[row].expandable || (wasExpanded && !expandChildren))
        return;
    if (const auto d = delegate(); ask && d && !d->outlineViewShouldExpandItem(thisOutline(), item))
        return;
    std::vector<Ref<Object>> expandedNow;
    if (!wasExpanded) {
        postItemNotification("NSOutlineViewItemWillExpandNotification", item);
        expanded_.insert(item);
        expandedNow.push_back(item);
    }
    replaceSubtree(row, expandChildren, expandedNow);
    for (const auto& expanded : expandedNow)
        postItemNotification("NSOutlineViewItemDidExpandNotification", expanded);
}

void OutlineView::collapseRow(std::int64_t row, bool collapseChildren, bool ask) {
    const Ref<Object> item = rows_[row].item;
    if (!expanded_.contains(item))
        return;
    if (const auto d = delegate();
        ask && d && !d->outlineViewShouldCollapseItem(thisOutline(), item))
        return;
    postItemNotification("NSOutlineViewItemWillCollapseNotification", item);
    const std::int64_t end = endOfSubtree(row);
    // Without collapseChildren the items under it stay expanded, to show so when it opens again.
    if (collapseChildren)
        for (std::int64_t under = row + 1; under < end; ++under)
            expanded_.erase(rows_[under].item);
    expanded_.erase(item);
    removeRows(row + 1, end);
    postItemNotification("NSOutlineViewItemDidCollapseNotification", item);
}

void OutlineView::expandItem(const Ref<Object>& item) {
    expandItemExpandChildren(item, false);
}

void OutlineView::expandItemExpandChildren(const Ref<Object>& item, bool expandChildren) {
    if (!item) {
        if (!expandChildren)
            return;
        std::vector<Node> rows;
        std::vector<Ref<Object>> expandedNow;
        appendChildren(nullptr, 0, true, rows, expandedNow);
        rows_ = std::move(rows);
        rowOfItem_.clear();
        indexRows(0);
        TableView::reloadData();
        for (const auto& expanded : expandedNow)
            postItemNotification("NSOutlineViewItemDidExpandNotification", expanded);
        return;
    }
    if (const std::int64_t row = rowForItem(item); row >= 0)
        expandRow(row, expandChildren, false);
    else if (isExpandable(item))
        // An item under a collapsed one shows expanded once its parent opens.
        expanded_.insert(item);
}

void OutlineView::collapseItem(const Ref<Object>& item) {
    collapseItemCollapseChildren(item, false);
}

void OutlineView::collapseItemCollapseChildren(const Ref<Object>& item, bool collapseChildren) {
    if (item) {
        if (const std::int64_t row = rowForItem(item); row >= 0)
            collapseRow(row, collapseChildren, false);
        else
            expanded_.erase(item);
        return;
    }
    for (std::int64_t row = std::ssize(rows_) - 1; row >= 0; --row)
        if (rows_[row].level == 0)
            collapseRow(row, collapseChildren, false);
}

Ref<Object> OutlineView::itemAtRow(std::int64_t row) const {
    return row >= 0 && row < std::ssize(rows_) ? rows_[row].item : nullptr;
}

std::int64_t OutlineView::rowForItem(const Ref<Object>& item) const {
    const auto found = rowOfItem_.find(item.get());
    return item && found != rowOfItem_.end() ? found->second : -1;
}

std::int64_t OutlineView::levelForItem(const Ref<Object>& item) const {
    return levelForRow(rowForItem(item));
}

std::int64_t OutlineView::levelForRow(std::int64_t row) const {
    return row >= 0 && row < std::ssize(rows_) ? rows_[row].level : -1;
}

Ref<Object> OutlineView::parentForItem(const Ref<Object>& item) const {
    const std::int64_t row = rowForItem(item);
    return row < 0 ? nullptr : rows_[row].parent;
}

std::int64_t OutlineView::childIndexForItem(const Ref<Object>& item) const {
    const std::int64_t row = rowForItem(item);
    return row < 0 ? -1 : childIndexOfRow(row);
}

std::int64_t OutlineView::numberOfChildrenOfItem(const Ref<Object>& item) const {
    const std::int64_t parent = rowForItem(item);
    if ((item && parent < 0) || !isItemExpanded(item))
        return 0;
    const std::int64_t level = parent < 0 ? 0 : rows_[parent].level + 1;
    const std::int64_t end = parent < 0 ? std::ssize(rows_) : endOfSubtree(parent);
    return std::count_if(rows_.begin() + parent + 1, rows_.begin() + end,
                         [level](const Node& node) { return node.level == level; });
}

Ref<Object> OutlineView::childOfItem(std::int64_t index, const Ref<Object>& item) const {
    const std::int64_t parent = rowForItem(item);
    if ((item && parent < 0) || !isItemExpanded(item) || index < 0)
        return nullptr;
    const std::int64_t row = rowOfChild(parent, index);
    const std::int64_t end = parent < 0 ? std::ssize(rows_) : endOfSubtree(parent);
    return row < end ? rows_[row].item : nullptr;
}

void OutlineView::insertItemsAtIndexesInParentWithAnimation(const IndexSet& indexes,
                                                            const Ref<Object>& parent,
                                                            std::uint64_t animation) {
    const std::int64_t parentRow = rowForItem(parent);
    const auto source = dataSource();
    if ((parent && parentRow < 0) || !isItemExpanded(parent) || !source)
        return;
    const auto outline = thisOutline();
    const std::int64_t level = parentRow < 0 ? 0 : rows_[parentRow].level + 1;
    beginUpdates();
    // In increasing order each index is where the child is once those before it are in.
    for (const std::int64_t index : indexes) {
        const std::int64_t row = rowOfChild(parentRow, index);
        Node node{source->outlineViewChildOfItem(outline, index, parent), parent, level, false};
        node.expandable = source->outlineViewIsItemExpandable(outline, node.item);
        expanded_.erase(node.item);
        rows_.insert(rows_.begin() + row, std::move(node));
        indexRows(row);
        insertRowsAtIndexesWithAnimation(*IndexSet::indexSetWithIndex(row), animation);
    }
    endUpdates();
}

void OutlineView::removeItemsAtIndexesInParentWithAnimation(const IndexSet& indexes,
                                                            const Ref<Object>& parent,
                                                            std::uint64_t) {
    const std::int64_t parentRow = rowForItem(parent);
    if ((parent && parentRow < 0) || !isItemExpanded(parent))
        return;
    beginUpdates();
    const std::vector<std::int64_t> children = indexes.indexes();
    for (auto index = children.rbegin(); index != children.rend(); ++index) {
        const std::int64_t row = rowOfChild(parentRow, *index);
        const std::int64_t end = parentRow < 0 ? std::ssize(rows_) : endOfSubtree(parentRow);
        if (row < end)
            removeRows(row, endOfSubtree(row));
    }
    endUpdates();
}

void OutlineView::moveItemAtIndexInParentToIndexInParent(std::int64_t fromIndex,
                                                         const Ref<Object>& oldParent,
                                                         std::int64_t toIndex,
                                                         const Ref<Object>& newParent) {
    const std::int64_t oldParentRow = rowForItem(oldParent);
    if ((oldParent && oldParentRow < 0) || !isItemExpanded(oldParent))
        return;
    const std::int64_t from = rowOfChild(oldParentRow, fromIndex);
    const std::int64_t oldEnd = oldParentRow < 0 ? std::ssize(rows_) : endOfSubtree(oldParentRow);
    if (from >= oldEnd)
        return;
    const std::int64_t end = endOfSubtree(from);
    std::vector<Node> moved(rows_.begin() + from, rows_.begin() + end);
    const bool wasSelected = isRowSelected(from);
    beginUpdates();
    removeRows(from, end);
    const std::int64_t newParentRow = rowForItem(newParent);
    if ((!newParent || newParentRow >= 0) && isItemExpanded(newParent)) {
        const std::int64_t level = newParentRow < 0 ? 0 : rows_[newParentRow].level + 1;
        const std::int64_t shift = level - moved.front().level;
        for (Node& node : moved)
            node.level += shift;
        moved.front().parent = newParent;
        const std::int64_t to = rowOfChild(newParentRow, toIndex);
        const auto count = std::ssize(moved);
        rows_.insert(rows_.begin() + to, std::make_move_iterator(moved.begin()),
                     std::make_move_iterator(moved.end()));
        indexRows(to);
        insertRowsAtIndexesWithAnimation(*IndexSet::indexSetWithIndexesInRange({to, count}),
                                         TableViewAnimation::EffectNone);
        if (wasSelected)
            selectRowIndexesByExtendingSelection(*IndexSet::indexSetWithIndex(to), true);
    }
    endUpdates();
}

void OutlineView::setDropItemDropChildIndex(const Ref<Object>& item, std::int64_t index) {
    dropItem_ = item;
    dropChildIndex_ = index;
    const std::int64_t itemRow = rowForItem(item);
    if (index < 0 || (item && itemRow < 0) || !isItemExpanded(item)) {
        // On the item, or on the whole outline for the root.
        setDropRowDropOperation(item ? itemRow : -1, TableViewDropOperation::On);
        return;
    }
    setDropRowDropOperation(rowOfChild(itemRow, index), TableViewDropOperation::Above);
}

std::pair<Ref<Object>, std::int64_t> OutlineView::dropTargetAbove(std::int64_t row,
                                                                  double x) const {
    const std::int64_t rows = std::ssize(rows_);
    if (row <= 0 || rows == 0)
        return {nullptr, 0};
    const Node& before = rows_[row - 1];
    const bool intoBefore = before.expandable && isItemExpanded(before.item);
    const std::int64_t highest = before.level + (intoBefore ? 1 : 0);
    const std::int64_t lowest = row < rows ? rows_[row].level : 0;
    const double left = rectOfColumn(std::max<std::int64_t>(0, outlineColumnIndex())).minX();
    const double pitch = std::max(1.0, indentationPerLevel_);
    const auto pointed =
        static_cast<std::int64_t>(std::floor((x - left - kDisclosureWidth) / pitch));
    const std::int64_t level = std::clamp(pointed, lowest, highest);
    if (intoBefore && level == highest)
        return {before.item, 0};
    std::int64_t at = row - 1;
    while (rows_[at].level > level)
        at = rowForItem(rows_[at].parent);
    return {rows_[at].parent, childIndexOfRow(at) + 1};
}

Rect OutlineView::frameOfOutlineCellAtRow(std::int64_t row) const {
    if (row < 0 || row >= std::ssize(rows_) || !rows_[row].expandable)
        return {};
    const Rect cell = TableView::frameOfCellAtColumnRow(outlineColumnIndex(), row);
    const double x = cell.minX() + double(rows_[row].level) * indentationPerLevel_;
    const double width = std::min(kDisclosureWidth, cell.maxX() - x);
    return width > 0 ? Rect{x, cell.minY(), width, cell.height()} : Rect{};
}

Rect OutlineView::frameOfCellAtColumnRow(std::int64_t column, std::int64_t row) const {
    Rect cell = TableView::frameOfCellAtColumnRow(column, row);
    if (row < 0 || row >= std::ssize(rows_) || column != outlineColumnIndex() || cell.width() <= 0)
        return cell;
    const double indent =
        std::min(cell.width(), double(rows_[row].level) * indentationPerLevel_ + kDisclosureWidth);
    cell.origin.x += indent;
    cell.size.width -= indent;
    return cell;
}

void OutlineView::didFillRow(std::int64_t row, TableRowView& rowView) {
    Ref<OutlineDisclosureView> triangle;
    for (const auto& subview : rowView.subviews())
        if ((triangle = subview->as<OutlineDisclosureView>()))
            break;
    const Rect frame = frameOfOutlineCellAtRow(row);
    if (frame.width() <= 0) {
        if (triangle)
            triangle->setHidden(true);
        return;
    }
    if (!triangle) {
        triangle = std::make_shared<OutlineDisclosureView>();
        rowView.addSubview(triangle);
    }
    triangle->setFrame(frame.offsetBy(0, -rectOfRow(row).minY()));
    triangle->setExpanded(isItemExpanded(rows_[row].item));
    triangle->setHidden(false);
}

bool OutlineView::editColumnRowWithEventSelect(std::int64_t column, std::int64_t row,
                                               const Ref<Event>& event, bool select) {
    const auto d = delegate();
    if (d && column >= 0 && column < numberOfColumns() &&
        !d->outlineViewShouldEditTableColumnItem(thisOutline(), tableColumns()[column],
                                                 itemAtRow(row)))
        return false;
    return TableView::editColumnRowWithEventSelect(column, row, event, select);
}

void OutlineView::mouseDown(const Ref<Event>& event) {
    const Point point = convertPointFromView(event->locationInWindow(), nullptr);
    const std::int64_t row = rowAtPoint(point);
    if (row < 0 || !frameOfOutlineCellAtRow(row).containsPoint(point))
        return TableView::mouseDown(event);
    if (const auto window = this->window())
        window->makeFirstResponder(thisOutline());
    const bool all = (event->modifierFlags() & EventModifierFlag::Option) != 0;
    if (isItemExpanded(rows_[row].item))
        collapseRow(row, all, true);
    else
        expandRow(row, all, true);
}

void OutlineView::keyDown(const Ref<Event>& event) {
    const std::uint16_t key = event->keyCode();
    if (key != KeyCode::RightArrow && key != KeyCode::LeftArrow)
        return TableView::keyDown(event);
    const bool all = (event->modifierFlags() & EventModifierFlag::Option) != 0;
    const std::vector<std::int64_t> selected = selectedRowIndexes()->indexes();
    // From the bottom up, so that the rows still to do keep their numbers.
    for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
        if (key == KeyCode::RightArrow)
            expandRow(*row, all, true);
        else if (expanded_.contains(rows_[*row].item))
            collapseRow(*row, all, true);
        else if (selected.size() == 1 && rows_[*row].parent) {
            // Left on a collapsed item goes up to its parent.
            const std::int64_t parent = rowForItem(rows_[*row].parent);
            selectRowIndexesByExtendingSelection(*IndexSet::indexSetWithIndex(parent), false);
            scrollRowToVisible(parent);
        }
    }
}

} // namespace platform
