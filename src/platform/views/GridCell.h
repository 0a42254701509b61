#pragma once

#include "platform/foundation/Object.h"
#include "platform/views/GridCellPlacement.h"

namespace platform {

class GridColumn;
class GridRow;
class GridView;
class View;

// Where a row and a column of a grid view meet: the view it holds (none for an empty cell) and
// where it places that view, each way. A cell merged into another holds nothing; the cell at
// the head of the merge spans them all.
class GridCell : public Object {
public:
    Ref<View> contentView() const { return contentView_; }
    // The view leaves the cell that held it before; a cell merged into another takes none.
    void setContentView(const Ref<View>& view);
    GridCellPlacement xPlacement() const { return xPlacement_; }
    void setXPlacement(GridCellPlacement placement);
    GridCellPlacement yPlacement() const { return yPlacement_; }
    void setYPlacement(GridCellPlacement placement);
    Ref<GridRow> row() const { return row_.lock(); }
    Ref<GridColumn> column() const { return column_.lock(); }
    // The cell this one is merged into; none for a cell of its own or the head of a merge.
    Ref<GridCell> headOfMergedCell() const { return head_.lock(); }

private:
    friend class GridView;

    Ref<View> contentView_;
    GridCellPlacement xPlacement_ = GridCellPlacement::Inherited;
    GridCellPlacement yPlacement_ = GridCellPlacement::Inherited;
    WeakRef<GridRow> row_;
    WeakRef<GridColumn> column_;
    WeakRef<GridCell> head_;
    WeakRef<GridView> grid_;
};

} // namespace platform
