#include "platform/views/tables/TableViewDelegate.h"

#include "platform/views/View.h"

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

} // namespace platform
