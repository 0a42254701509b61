#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Array;
class TableColumn;
class TableView;

// Where a table view gets its rows. Each method answers what the framework answers when a
// table has no data source: no rows, no values.
class TableViewDataSource {
public:
    virtual ~TableViewDataSource();

    // Asked when the table loads its data (reloadData), not at every redraw.
    virtual std::int64_t numberOfRowsInTableView(const Ref<TableView>& tableView);
    // The value the cell view of a row and column shows; asked each time the cell comes into
    // view. None leaves the cell view's value as the delegate left it.
    virtual Ref<Object> tableViewObjectValueForTableColumnRow(const Ref<TableView>& tableView,
                                                              const Ref<TableColumn>& column,
                                                              std::int64_t row);
    // After the table's sort descriptors changed, by a header click or the program; the data
    // source sorts its rows and reloads the table.
    virtual void tableViewSortDescriptorsDidChange(const Ref<TableView>& tableView,
                                                   const Ref<Array>& oldDescriptors);
};

} // namespace platform
