#pragma once

#include "platform/views/View.h"

#include <cstdint>
#include <memory>

namespace platform {

class TableView;

// The row of column headers above a table: each column's title, in the column's width, with
// the sort indicator on the column the table sorts by first. The user resizes a column by
// dragging the edge of its header and sorts by clicking it; both go to the table, which tells
// its delegate. The user moves a column by dragging its header, and hides or shows columns
// from the header's menu where the table's delegate allows. A scroll view whose document is
// the table shows the header above its clip view.
class TableHeaderView : public View {
public:
    explicit TableHeaderView(Rect frame = {});
    ~TableHeaderView() override;

    Ref<TableView> tableView() const { return tableView_.lock(); }
    // The index of the column whose header holds the point, -1 for none.
    std::int64_t columnAtPoint(Point point) const;
    Rect headerRectOfColumn(std::int64_t column) const;
    // Whether the header's menu offers to hide and show the column.
    bool userCanChangeVisibilityOfColumn(std::int64_t column) const;

    // Internal to the platform: the toolkit side of the header.
    struct Toolkit;

private:
    friend class TableView;
    void setTableView(const Ref<TableView>& table) { tableView_ = table; }
    // Shows the table's columns as they are now: titles, widths, hidden columns and the sort
    // indicator.
    void reloadColumns();

    std::unique_ptr<Toolkit> toolkit_;
    WeakRef<TableView> tableView_;
};

} // namespace platform
