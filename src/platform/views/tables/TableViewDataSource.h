#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Array;
class DraggingInfo;
class DraggingSession;
class IndexSet;
class PasteboardItem;
class TableColumn;
class TableView;

// Where a drop lands in a table: on a row, or in the gap above it (the row count for below
// the last row).
namespace TableViewDropOperation {
inline constexpr std::uint64_t On = 0;
inline constexpr std::uint64_t Above = 1;
} // namespace TableViewDropOperation

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

    // What a row carries when the user drags it; none means the row cannot be dragged. A
    // table starts no drag when no row it would drag can be.
    virtual Ref<PasteboardItem> tableViewPasteboardWriterForRow(const Ref<TableView>& tableView,
                                                                std::int64_t row);
    // A drag of rows out of the table starts at a point in the table, and ends at a point on
    // the screen having done the operation (None when nothing took it).
    virtual void tableViewDraggingSessionWillBeginAtPointForRowIndexes(
        const Ref<TableView>& tableView, const Ref<DraggingSession>& session, Point screenPoint,
        const Ref<IndexSet>& rowIndexes);
    virtual void tableViewDraggingSessionEndedAtPointOperation(const Ref<TableView>& tableView,
                                                               const Ref<DraggingSession>& session,
                                                               Point screenPoint,
                                                               std::uint64_t operation);
    // A drag over the table proposes a row and a drop operation; the answer is the drag
    // operation the drop would do, None refusing it there. The base refuses every drop.
    virtual std::uint64_t tableViewValidateDropProposedRowProposedDropOperation(
        const Ref<TableView>& tableView, const Ref<DraggingInfo>& info, std::int64_t row,
        std::uint64_t dropOperation);
    // The drop itself, at the row and operation last validated; yes when it was taken.
    virtual bool tableViewAcceptDropRowDropOperation(const Ref<TableView>& tableView,
                                                     const Ref<DraggingInfo>& info,
                                                     std::int64_t row, std::uint64_t dropOperation);
};

} // namespace platform
