#pragma once

#include "platform/views/tables/TableViewDataSource.h"
#include "platform/views/tables/TableViewDelegate.h"

namespace platform {

class OutlineView;

// The table side of an outline: answers the table's questions about rows by asking the
// outline's data source and delegate about the items in those rows, and passes the table's
// news on to the outline's delegate under the outline's names.
class OutlineViewTableAdapter : public TableViewDataSource, public TableViewDelegate {
public:
    explicit OutlineViewTableAdapter(OutlineView& outline);

    std::int64_t numberOfRowsInTableView(const Ref<TableView>& tableView) override;
    Ref<Object> tableViewObjectValueForTableColumnRow(const Ref<TableView>& tableView,
                                                      const Ref<TableColumn>& column,
                                                      std::int64_t row) override;
    void tableViewSortDescriptorsDidChange(const Ref<TableView>& tableView,
                                           const Ref<Array>& oldDescriptors) override;
    Ref<PasteboardItem> tableViewPasteboardWriterForRow(const Ref<TableView>& tableView,
                                                        std::int64_t row) override;
    void tableViewDraggingSessionWillBeginAtPointForRowIndexes(
        const Ref<TableView>& tableView, const Ref<DraggingSession>& session, Point screenPoint,
        const Ref<IndexSet>& rowIndexes) override;
    void tableViewDraggingSessionEndedAtPointOperation(const Ref<TableView>& tableView,
                                                       const Ref<DraggingSession>& session,
                                                       Point screenPoint,
                                                       std::uint64_t operation) override;
    std::uint64_t tableViewValidateDropProposedRowProposedDropOperation(
        const Ref<TableView>& tableView, const Ref<DraggingInfo>& info, std::int64_t row,
        std::uint64_t dropOperation) override;
    bool tableViewAcceptDropRowDropOperation(const Ref<TableView>& tableView,
                                             const Ref<DraggingInfo>& info, std::int64_t row,
                                             std::uint64_t dropOperation) override;

    Ref<View> tableViewViewForTableColumnRow(const Ref<TableView>& tableView,
                                             const Ref<TableColumn>& column,
                                             std::int64_t row) override;
    bool selectionShouldChangeInTableView(const Ref<TableView>& tableView) override;
    bool tableViewShouldSelectRow(const Ref<TableView>& tableView, std::int64_t row) override;
    void tableViewSelectionDidChange(const Ref<Notification>& notification) override;
    void tableViewMouseDownInHeaderOfTableColumn(const Ref<TableView>& tableView,
                                                 const Ref<TableColumn>& column) override;
    void tableViewDidClickTableColumn(const Ref<TableView>& tableView,
                                      const Ref<TableColumn>& column) override;
    void tableViewColumnDidResize(const Ref<Notification>& notification) override;
    Ref<TableRowView> tableViewRowViewForRow(const Ref<TableView>& tableView,
                                             std::int64_t row) override;
    void tableViewDidAddRowViewForRow(const Ref<TableView>& tableView,
                                      const Ref<TableRowView>& rowView, std::int64_t row) override;
    void tableViewDidRemoveRowViewForRow(const Ref<TableView>& tableView,
                                         const Ref<TableRowView>& rowView,
                                         std::int64_t row) override;
    bool tableViewIsGroupRow(const Ref<TableView>& tableView, std::int64_t row) override;
    double tableViewHeightOfRow(const Ref<TableView>& tableView, std::int64_t row) override;
    bool tableViewShouldSelectTableColumn(const Ref<TableView>& tableView,
                                          const Ref<TableColumn>& column) override;
    void tableViewSelectionIsChanging(const Ref<Notification>& notification) override;
    bool tableViewShouldTypeSelectForEventWithCurrentSearchString(
        const Ref<TableView>& tableView, const Ref<Event>& event,
        const Ref<String>& searchString) override;
    bool tableViewShouldReorderColumnToColumn(const Ref<TableView>& tableView,
                                              std::int64_t columnIndex,
                                              std::int64_t newColumnIndex) override;
    void tableViewDidDragTableColumn(const Ref<TableView>& tableView,
                                     const Ref<TableColumn>& column) override;
    void tableViewColumnDidMove(const Ref<Notification>& notification) override;
    bool tableViewUserCanChangeVisibilityOfTableColumn(const Ref<TableView>& tableView,
                                                       const Ref<TableColumn>& column) override;
    void tableViewUserDidChangeVisibilityOfTableColumns(const Ref<TableView>& tableView,
                                                        const Ref<Array>& columns) override;

private:
    Ref<OutlineView> outline() const;
    // The same news under the outline's name for it.
    Ref<Notification> renamed(const Ref<Notification>& notification, const char* name) const;

    OutlineView& outline_;
};

} // namespace platform
