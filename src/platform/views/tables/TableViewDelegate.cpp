#include "platform/views/tables/TableViewDelegate.h"

#include "platform/views/View.h"
#include "platform/views/tables/TableRowView.h"
#include "platform/views/tables/TableView.h"

namespace platform {

TableViewDelegate::~TableViewDelegate() = default;

Ref<View> TableViewDelegate::tableViewViewForTableColumnRow(const Ref<TableView>&,
                                                            const Ref<TableColumn>&, std::int64_t) {
    return nullptr;
}

bool TableViewDelegate::selectionShouldChangeInTableView(const Ref<TableView>&) {
    return true;
}

bool TableViewDelegate::tableViewShouldSelectRow(const Ref<TableView>&, std::int64_t) {
    return true;
}

void TableViewDelegate::tableViewSelectionDidChange(const Ref<Notification>&) {}

void TableViewDelegate::tableViewMouseDownInHeaderOfTableColumn(const Ref<TableView>&,
                                                                const Ref<TableColumn>&) {}

void TableViewDelegate::tableViewDidClickTableColumn(const Ref<TableView>&,
                                                     const Ref<TableColumn>&) {}

void TableViewDelegate::tableViewColumnDidResize(const Ref<Notification>&) {}

Ref<TableRowView> TableViewDelegate::tableViewRowViewForRow(const Ref<TableView>&, std::int64_t) {
    return nullptr;
}

void TableViewDelegate::tableViewDidAddRowViewForRow(const Ref<TableView>&,
                                                     const Ref<TableRowView>&, std::int64_t) {}

void TableViewDelegate::tableViewDidRemoveRowViewForRow(const Ref<TableView>&,
                                                        const Ref<TableRowView>&, std::int64_t) {}

bool TableViewDelegate::tableViewIsGroupRow(const Ref<TableView>&, std::int64_t) {
    return false;
}

double TableViewDelegate::tableViewHeightOfRow(const Ref<TableView>& tableView, std::int64_t) {
    return tableView->rowHeight();
}

bool TableViewDelegate::tableViewShouldSelectTableColumn(const Ref<TableView>&,
                                                         const Ref<TableColumn>&) {
    return true;
}

void TableViewDelegate::tableViewSelectionIsChanging(const Ref<Notification>&) {}

bool TableViewDelegate::tableViewShouldTypeSelectForEventWithCurrentSearchString(
    const Ref<TableView>&, const Ref<Event>&, const Ref<String>&) {
    return true;
}

bool TableViewDelegate::tableViewShouldReorderColumnToColumn(const Ref<TableView>&, std::int64_t,
                                                             std::int64_t) {
    return true;
}

void TableViewDelegate::tableViewDidDragTableColumn(const Ref<TableView>&,
                                                    const Ref<TableColumn>&) {}

void TableViewDelegate::tableViewColumnDidMove(const Ref<Notification>&) {}

bool TableViewDelegate::tableViewUserCanChangeVisibilityOfTableColumn(const Ref<TableView>&,
                                                                      const Ref<TableColumn>&) {
    return false;
}

void TableViewDelegate::tableViewUserDidChangeVisibilityOfTableColumns(const Ref<TableView>&,
                                                                       const Ref<Array>&) {}

} // namespace platform
