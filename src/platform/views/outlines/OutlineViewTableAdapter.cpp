#include "platform/views/outlines/OutlineViewTableAdapter.h"

#include "platform/app/DraggingInfo.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/IndexSet.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/views/outlines/OutlineView.h"
#include "platform/views/outlines/OutlineViewDataSource.h"
#include "platform/views/outlines/OutlineViewDelegate.h"
#include "platform/views/tables/TableRowView.h"

namespace platform {

OutlineViewTableAdapter::OutlineViewTableAdapter(OutlineView& outline) : outline_(outline) {}

Ref<OutlineView> OutlineViewTableAdapter::outline() const {
    return std::static_pointer_cast<OutlineView>(outline_.weak_from_this().lock());
}

Ref<Notification> OutlineViewTableAdapter::renamed(const Ref<Notification>& notification,
                                                   const char* name) const {
    return std::make_shared<Notification>(String::fromUtf8(name), outline(),
                                          notification->userInfo());
}

std::int64_t OutlineViewTableAdapter::numberOfRowsInTableView(const Ref<TableView>&) {
    return std::ssize(outline_.rows_);
}

Ref<Object> OutlineViewTableAdapter::tableViewObjectValueForTableColumnRow(
    const Ref<TableView>&, const Ref<TableColumn>& column, std::int64_t row) {
    const auto source = outline_.dataSource();
    return source ? source->outlineViewObjectValueForTableColumnByItem(outline(), column,
                                                                       outline_.itemAtRow(row))
                  : nullptr;
}

void OutlineViewTableAdapter::tableViewSortDescriptorsDidChange(const Ref<TableView>&,
                                                                const Ref<Array>& oldDescriptors) {
    if (const auto source = outline_.dataSource())
        source->outlineViewSortDescriptorsDidChange(outline(), oldDescriptors);
}

Ref<PasteboardItem> OutlineViewTableAdapter::tableViewPasteboardWriterForRow(const Ref<TableView>&,
                                                                             std::int64_t row) {
    const auto source = outline_.dataSource();
    return source ? source->outlineViewPasteboardWriterForItem(outline(), outline_.itemAtRow(row))
                  : nullptr;
}

void OutlineViewTableAdapter::tableViewDraggingSessionWillBeginAtPointForRowIndexes(
    const Ref<TableView>&, const Ref<DraggingSession>& session, Point screenPoint,
    const Ref<IndexSet>& rowIndexes) {
    const auto source = outline_.dataSource();
    if (!source)
        return;
    const auto items = Array::array();
    for (const std::int64_t row : *rowIndexes)
        items->addObject(outline_.itemAtRow(row));
    source->outlineViewDraggingSessionWillBeginAtPointForItems(outline(), session, screenPoint,
                                                               items);
}

void OutlineViewTableAdapter::tableViewDraggingSessionEndedAtPointOperation(
    const Ref<TableView>&, const Ref<DraggingSession>& session, Point screenPoint,
    std::uint64_t operation) {
    if (const auto source = outline_.dataSource())
        source->outlineViewDraggingSessionEndedAtPointOperation(outline(), session, screenPoint,
                                                                operation);
}

std::uint64_t OutlineViewTableAdapter::tableViewValidateDropProposedRowProposedDropOperation(
    const Ref<TableView>&, const Ref<DraggingInfo>& info, std::int64_t row,
    std::uint64_t dropOperation) {
    const auto source = outline_.dataSource();
    if (!source)
        return DragOperation::None;
    const Point at = outline_.convertPointFromView(info->draggingLocation(), nullptr);
    const auto [item, index] = dropOperation == TableViewDropOperation::On
                                   ? std::pair{outline_.itemAtRow(row), std::int64_t(-1)}
                                   : outline_.dropTargetAbove(row, at.x);
    outline_.dropItem_ = item;
    outline_.dropChildIndex_ = index;
    return source->outlineViewValidateDropProposedItemProposedChildIndex(outline(), info, item,
                                                                         index);
}

bool OutlineViewTableAdapter::tableViewAcceptDropRowDropOperation(const Ref<TableView>&,
                                                                  const Ref<DraggingInfo>& info,
                                                                  std::int64_t, std::uint64_t) {
    const auto source = outline_.dataSource();
    const Ref<Object> item = std::move(outline_.dropItem_);
    const std::int64_t index = std::exchange(outline_.dropChildIndex_, -1);
    return source && source->outlineViewAcceptDropItemChildIndex(outline(), info, item, index);
}

Ref<View> OutlineViewTableAdapter::tableViewViewForTableColumnRow(const Ref<TableView>&,
                                                                  const Ref<TableColumn>& column,
                                                                  std::int64_t row) {
    const auto d = outline_.delegate();
    return d ? d->outlineViewViewForTableColumnItem(outline(), column, outline_.itemAtRow(row))
             : nullptr;
}

bool OutlineViewTableAdapter::selectionShouldChangeInTableView(const Ref<TableView>&) {
    const auto d = outline_.delegate();
    return !d || d->selectionShouldChangeInOutlineView(outline());
}

bool OutlineViewTableAdapter::tableViewShouldSelectRow(const Ref<TableView>&, std::int64_t row) {
    const auto d = outline_.delegate();
    return !d || d->outlineViewShouldSelectItem(outline(), outline_.itemAtRow(row));
}

void OutlineViewTableAdapter::tableViewSelectionDidChange(const Ref<Notification>& notification) {
    if (const auto d = outline_.delegate())
        d->outlineViewSelectionDidChange(
            renamed(notification, "NSOutlineViewSelectionDidChangeNotification"));
}

void OutlineViewTableAdapter::tableViewMouseDownInHeaderOfTableColumn(
    const Ref<TableView>&, const Ref<TableColumn>& column) {
    if (const auto d = outline_.delegate())
        d->outlineViewMouseDownInHeaderOfTableColumn(outline(), column);
}

void OutlineViewTableAdapter::tableViewDidClickTableColumn(const Ref<TableView>&,
                                                           const Ref<TableColumn>& column) {
    if (const auto d = outline_.delegate())
        d->outlineViewDidClickTableColumn(outline(), column);
}

void OutlineViewTableAdapter::tableViewColumnDidResize(const Ref<Notification>& notification) {
    if (const auto d = outline_.delegate())
        d->outlineViewColumnDidResize(
            renamed(notification, "NSOutlineViewColumnDidResizeNotification"));
}

Ref<TableRowView> OutlineViewTableAdapter::tableViewRowViewForRow(const Ref<TableView>&,
                                                                  std::int64_t row) {
    const auto d = outline_.delegate();
    return d ? d->outlineViewRowViewForItem(outline(), outline_.itemAtRow(row)) : nullptr;
}

void OutlineViewTableAdapter::tableViewDidAddRowViewForRow(const Ref<TableView>&,
                                                           const Ref<TableRowView>& rowView,
                                                           std::int64_t row) {
    if (const auto d = outline_.delegate())
        d->outlineViewDidAddRowViewForRow(outline(), rowView, row);
}

void OutlineViewTableAdapter::tableViewDidRemoveRowViewForRow(const Ref<TableView>&,
                                                              const Ref<TableRowView>& rowView,
                                                              std::int64_t row) {
    if (const auto d = outline_.delegate())
        d->outlineViewDidRemoveRowViewForRow(outline(), rowView, row);
}

bool OutlineViewTableAdapter::tableViewIsGroupRow(const Ref<TableView>&, std::int64_t row) {
    const auto d = outline_.delegate();
    return d && d->outlineViewIsGroupItem(outline(), outline_.itemAtRow(row));
}

double OutlineViewTableAdapter::tableViewHeightOfRow(const Ref<TableView>&, std::int64_t row) {
    const auto d = outline_.delegate();
    return d ? d->outlineViewHeightOfRowByItem(outline(), outline_.itemAtRow(row))
             : outline_.rowHeight();
}

bool OutlineViewTableAdapter::tableViewShouldSelectTableColumn(const Ref<TableView>&,
                                                               const Ref<TableColumn>& column) {
    const auto d = outline_.delegate();
    return !d || d->outlineViewShouldSelectTableColumn(outline(), column);
}

void OutlineViewTableAdapter::tableViewSelectionIsChanging(const Ref<Notification>& notification) {
    if (const auto d = outline_.delegate())
        d->outlineViewSelectionIsChanging(
            renamed(notification, "NSOutlineViewSelectionIsChangingNotification"));
}

bool OutlineViewTableAdapter::tableViewShouldTypeSelectForEventWithCurrentSearchString(
    const Ref<TableView>&, const Ref<Event>& event, const Ref<String>& searchString) {
    const auto d = outline_.delegate();
    return !d || d->outlineViewShouldTypeSelectForEventWithCurrentSearchString(outline(), event,
                                                                               searchString);
}

bool OutlineViewTableAdapter::tableViewShouldReorderColumnToColumn(const Ref<TableView>&,
                                                                   std::int64_t columnIndex,
                                                                   std::int64_t newColumnIndex) {
    const auto d = outline_.delegate();
    return !d || d->outlineViewShouldReorderColumnToColumn(outline(), columnIndex, newColumnIndex);
}

void OutlineViewTableAdapter::tableViewDidDragTableColumn(const Ref<TableView>&,
                                                          const Ref<TableColumn>& column) {
    if (const auto d = outline_.delegate())
        d->outlineViewDidDragTableColumn(outline(), column);
}

void OutlineViewTableAdapter::tableViewColumnDidMove(const Ref<Notification>& notification) {
    if (const auto d = outline_.delegate())
        d->outlineViewColumnDidMove(
            renamed(notification, "NSOutlineViewColumnDidMoveNotification"));
}

bool OutlineViewTableAdapter::tableViewUserCanChangeVisibilityOfTableColumn(
    const Ref<TableView>&, const Ref<TableColumn>& column) {
    const auto d = outline_.delegate();
    return d && d->outlineViewUserCanChangeVisibilityOfTableColumn(outline(), column);
}

void OutlineViewTableAdapter::tableViewUserDidChangeVisibilityOfTableColumns(
    const Ref<TableView>&, const Ref<Array>& columns) {
    if (const auto d = outline_.delegate())
        d->outlineViewUserDidChangeVisibilityOfTableColumns(outline(), columns);
}

} // namespace platform
