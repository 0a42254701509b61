#include "platform/views/tables/TableViewDataSource.h"

namespace platform {

TableViewDataSource::~TableViewDataSource() = default;

std::int64_t TableViewDataSource::numberOfRowsInTableView(const Ref<TableView>&) {
    return 0;
}

Ref<Object> TableViewDataSource::tableViewObjectValueForTableColumnRow(const Ref<TableView>&,
                                                                       const Ref<TableColumn>&,
                                                                       std::int64_t) {
    return nullptr;
}

void TableViewDataSource::tableViewSortDescriptorsDidChange(const Ref<TableView>&,
                                                            const Ref<Array>&) {}

} // namespace platform
