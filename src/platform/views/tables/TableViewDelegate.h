#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Array;
class Event;
class Notification;
class String;
class TableColumn;
class TableRowView;
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

    // The view behind a row coming into view; none lets the table make a TableRowView.
    virtual Ref<TableRowView> tableViewRowViewForRow(const Ref<TableView>& tableView,
                                                     std::int64_t row);
    // A row came into view with its cell views in it, or left the view.
    virtual void tableViewDidAddRowViewForRow(const Ref<TableView>& tableView,
                                              const Ref<TableRowView>& rowView, std::int64_t row);
    virtual void tableViewDidRemoveRowViewForRow(const Ref<TableView>& tableView,
                                                 const Ref<TableRowView>& rowView,
                                                 std::int64_t row);
    // A group row is a heading across every column, made with a column of none.
    virtual bool tableViewIsGroupRow(const Ref<TableView>& tableView, std::int64_t row);
    // Asked for every row when the table loads its data; the base answers the table's
    // rowHeight.
    virtual double tableViewHeightOfRow(const Ref<TableView>& tableView, std::int64_t row);
    virtual bool tableViewShouldSelectTableColumn(const Ref<TableView>& tableView,
                                                  const Ref<TableColumn>& column);
    // While the user drags the mouse across rows, before the change is final.
    virtual void tableViewSelectionIsChanging(const Ref<Notification>& notification);
    // Before typed characters select the row whose text begins with them.
    virtual bool tableViewShouldTypeSelectForEventWithCurrentSearchString(
        const Ref<TableView>& tableView, const Ref<Event>& event, const Ref<String>& searchString);
    // While the user drags a column's header to another place.
    virtual bool tableViewShouldReorderColumnToColumn(const Ref<TableView>& tableView,
                                                      std::int64_t columnIndex,
                                                      std::int64_t newColumnIndex);
    virtual void tableViewDidDragTableColumn(const Ref<TableView>& tableView,
                                             const Ref<TableColumn>& column);
    // The user information holds the old and new indexes under "NSOldColumn" and
    // "NSNewColumn".
    virtual void tableViewColumnDidMove(const Ref<Notification>& notification);
    // Whether the header's menu offers to hide and show the column; the base answers no.
    virtual bool tableViewUserCanChangeVisibilityOfTableColumn(const Ref<TableView>& tableView,
                                                               const Ref<TableColumn>& column);
    virtual void tableViewUserDidChangeVisibilityOfTableColumns(const Ref<TableView>& tableView,
                                                                const Ref<Array>& columns);
};

} // namespace platform
