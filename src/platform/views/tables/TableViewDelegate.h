#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Notification;
class TableColumn;
class TableView;
class View;

// What a table view asks and tells its delegate. Each method answers what the framework
// answers when a table has no delegate.
class TableViewDelegate {
public:
    virtual ~TableViewDelegate();

    // The view for a cell coming into view. None lets the table make one: a reusable view of
    // the column's identifier (makeViewWithIdentifierOwner), else a text cell.
    virtual Ref<View> tableViewViewForTableColumnRow(const Ref<TableView>& tableView,
                                                     const Ref<TableColumn>& column,
                                                     std::int64_t row);
    // Asked once before the user changes the selection; no keeps it as it is.
    virtual bool selectionShouldChangeInTableView(const Ref<TableView>& tableView);
    // Asked for each row the user's change would newly select; a row refused stays unselected.
    virtual bool tableViewShouldSelectRow(const Ref<TableView>& tableView, std::int64_t row);
    // After every change of the selection, the program's too; the notification's object is
    // the table.
    virtual void tableViewSelectionDidChange(const Ref<Notification>& notification);
    // The user pressed a column's header, and then released it as a click.
    virtual void tableViewMouseDownInHeaderOfTableColumn(const Ref<TableView>& tableView,
                                                         const Ref<TableColumn>& column);
    virtual void tableViewDidClickTableColumn(const Ref<TableView>& tableView,
                                              const Ref<TableColumn>& column);
    // The user dragged a column's edge; the user information holds the column under
    // "NSTableColumn" and its width before under "NSOldWidth".
    virtual void tableViewColumnDidResize(const Ref<Notification>& notification);
};

} // namespace platform
