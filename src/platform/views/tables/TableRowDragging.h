#pragma once

#include "platform/app/DraggingSource.h"
#include "platform/foundation/Geometry.h"

#include <cstdint>
#include <memory>

class QWidget;

namespace platform {

class DraggingInfo;
class Event;
class IndexSet;
class TableView;

// The drags of a table's rows: the table as the source of a drag of rows, and as the
// destination of drags over it. A press on a row and a move past the toolkit's drag distance
// drag the selected rows when the pressed one is among them, else the pressed row; the data
// source writes each row's pasteboard item and hears when the drag begins and ends. Over the
// table, the pointer proposes a row and a drop operation (On a row in its middle, Above a row
// near its top edge, Above the next near its bottom edge, Above the row count below the
// rows), which the data source validates, or moves with setDropRowDropOperation, at every
// move; a line (Above) or an outline (On) shows where the drop would land.
class TableRowDragging : public DraggingSource {
public:
    explicit TableRowDragging(TableView& table);
    ~TableRowDragging() override;

    // What the user does in the table. The press comes before the table changes the selection.
    void mouseDown(const Ref<Event>& event, std::int64_t row);
    // Whether the press has become a drag of the rows.
    bool mouseDragged(const Ref<Event>& event);

    // Unless set: whatever destinations in the program choose, copying outside it.
    std::uint64_t sourceOperationMask(bool isLocal) const;
    void setSourceOperationMask(std::uint64_t mask, bool isLocal);

    std::uint64_t draggingUpdated(const Ref<DraggingInfo>& info);
    void draggingExited();
    bool performDragOperation(const Ref<DraggingInfo>& info);
    void setDropRowDropOperation(std::int64_t row, std::uint64_t dropOperation);

    std::uint64_t
    draggingSessionSourceOperationMaskForDraggingContext(const Ref<DraggingSession>& session,
                                                         DraggingContext context) override;
    void draggingSessionWillBeginAtPoint(const Ref<DraggingSession>& session,
                                         Point screenPoint) override;
    void draggingSessionEndedAtPointOperation(const Ref<DraggingSession>& session,
                                              Point screenPoint, std::uint64_t operation) override;

private:
    Ref<TableView> table() const;
    void showIndicator();
    void hideIndicator();

    TableView& table_;
    // The press that may start a drag: where (in the window) and the rows it would drag.
    Point pressedAt_;
    Ref<IndexSet> pressedRows_;
    std::int64_t pressedRow_ = -1;
    // The rows being dragged out of the table.
    Ref<IndexSet> draggedRows_;
    std::uint64_t localMask_;
    std::uint64_t outsideMask_;
    // Where a drag over the table would drop; dropRow_ is -1 between drags.
    std::int64_t dropRow_ = -1;
    std::uint64_t dropOperation_ = 0;
    QWidget* indicator_ = nullptr;
};

} // namespace platform
