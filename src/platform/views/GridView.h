#pragma once

#include "platform/views/GridCell.h"
#include "platform/views/GridColumn.h"
#include "platform/views/GridRow.h"
#include "platform/views/View.h"

#include <cstdint>
#include <vector>

namespace platform {

// Views in rows and columns, placed by the grid view in frames from its top left corner: a
// column is as wide as its widest content (or its width, when set), a row as tall as its
// tallest, with the spacing between them, and each cell places its content in the rectangle
// where its row and column meet, as its placement says, else its row's or column's, else the
// grid's. Cells merged into one span their rows and columns.
class GridView : public View {
public:
    static constexpr double kDefaultSpacing = 6;

    explicit GridView(Rect frame = {});
    ~GridView() override;
    // A grid of the rows of views, each row as long as the longest; none makes an empty cell.
    static Ref<GridView> gridViewWithViews(const std::vector<std::vector<Ref<View>>>& rows);

    std::int64_t tag() const override { return tag_; }
    void setTag(std::int64_t tag) { tag_ = tag; }
    bool isFlipped() const override { return true; }

    std::int64_t numberOfRows() const { return std::ssize(rows_); }
    std::int64_t numberOfColumns() const { return std::ssize(columns_); }
    // None outside the grid.
    Ref<GridRow> rowAtIndex(std::int64_t index) const;
    Ref<GridColumn> columnAtIndex(std::int64_t index) const;
    Ref<GridCell> cellAtColumnIndexRowIndex(std::int64_t column, std::int64_t row) const;
    // The cell holding the view; none when no cell does.
    Ref<GridCell> cellForView(const Ref<View>& view) const;
    // -1 for a row or column of another grid.
    std::int64_t indexOfRow(const Ref<GridRow>& row) const;
    std::int64_t indexOfColumn(const Ref<GridColumn>& column) const;

    // A new row or column holding the views in order, as long as the grid is, with empty
    // cells after the views given; an index past the end adds at the end. Views beyond the
    // grid's length add columns (or rows).
    Ref<GridRow> insertRowAtIndex(std::int64_t index, const std::vector<Ref<View>>& views);
    Ref<GridRow> addRowWithViews(const std::vector<Ref<View>>& views);
    Ref<GridColumn> insertColumnAtIndex(std::int64_t index, const std::vector<Ref<View>>& views);
    Ref<GridColumn> addColumnWithViews(const std::vector<Ref<View>>& views);
    // The content of the row's or column's cells leaves the grid; merges across it shrink.
    void removeRowAtIndex(std::int64_t index);
    void removeColumnAtIndex(std::int64_t index);
    // Makes the cells of the ranges one, headed by the first; the others' content leaves the
    // grid. A range outside the grid, or one crossing another merge, merges nothing.
    void mergeCellsInRanges(Range columns, Range rows);

    double rowSpacing() const { return rowSpacing_; }
    void setRowSpacing(double spacing);
    double columnSpacing() const { return columnSpacing_; }
    void setColumnSpacing(double spacing);
    // The placements a cell whose own, row's and column's are inherited takes.
    GridCellPlacement xPlacement() const { return xPlacement_; }
    void setXPlacement(GridCellPlacement placement);
    GridCellPlacement yPlacement() const { return yPlacement_; }
    void setYPlacement(GridCellPlacement placement);

    void resizeSubviewsWithOldSize(Size oldSize) override;

private:
    friend class GridCell;
    friend class GridColumn;
    friend class GridRow;
    // Places every cell's content.
    void place();
    void setContent(GridCell& cell, const Ref<View>& view);
    Ref<GridCell> makeCell(const Ref<GridRow>& row, const Ref<GridColumn>& column);
    // The merges the removed cells headed are headed by their first cells that are left.
    void rehead(const std::vector<Ref<GridCell>>& removed);
    // The columns and rows the head cell spans, itself included.
    Range spanOf(const GridCell& head, bool columns) const;

    std::int64_t tag_ = 0;
    std::vector<Ref<GridRow>> rows_;
    std::vector<Ref<GridColumn>> columns_;
    // By row, then column.
    std::vector<std::vector<Ref<GridCell>>> cells_;
    double rowSpacing_ = kDefaultSpacing;
    double columnSpacing_ = kDefaultSpacing;
    GridCellPlacement xPlacement_ = GridCellPlacement::Leading;
    GridCellPlacement yPlacement_ = GridCellPlacement::Top;
};

} // namespace platform
