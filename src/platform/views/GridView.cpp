#include "platform/views/GridView.h"

#include <algorithm>

namespace platform {

namespace {

// Where each row or column starts and how long it is, and the length of them all.
struct Lines {
    std::vector<double> start, length;
    double total = 0;
};

// Lines of the given lengths one after the other, hidden ones taking no room and no spacing.
template <class Line>
Lines lay(const std::vector<Ref<Line>>& lines, const std::vector<double>& lengths, double spacing,
          double (Line::*before)() const, double (Line::*after)() const) {
    Lines laid;
    double at = 0;
    bool first = true;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = *lines[i];
        if (line.isHidden()) {
            laid.start.push_back(at);
            laid.length.push_back(0);
            continue;
        }
        at += (first ? 0 : spacing) + (line.*before)();
        laid.start.push_back(at);
        laid.length.push_back(lengths[i]);
        at += lengths[i] + (line.*after)();
        first = false;
    }
    laid.total = at;
    return laid;
}

// Where content of this length goes in a cell from start, as the placement says.
std::pair<double, double> placed(GridCellPlacement placement, double start, double room,
                                 double length) {
    switch (placement) {
    case GridCellPlacement::Trailing:
        return {start + room - length, length};
    case GridCellPlacement::Center:
        return {start + (room - length) / 2, length};
    case GridCellPlacement::Fill:
        return {start, room};
    default:
        return {start, length};
    }
}

GridCellPlacement firstGiven(GridCellPlacement cell, GridCellPlacement line,
                             GridCellPlacement grid) {
    if (cell != GridCellPlacement::Inherited)
        return cell;
    return line != GridCellPlacement::Inherited ? line : grid;
}

Ref<GridCell> headOf(const Ref<GridCell>& cell) {
    const auto head = cell->headOfMergedCell();
    return head ? head : cell;
}

} // namespace

GridView::GridView(Rect frame) : View(frame) {}

GridView::~GridView() = default;

Ref<GridView> GridView::gridViewWithViews(const std::vector<std::vector<Ref<View>>>& rows) {
    auto grid = std::make_shared<GridView>();
    for (const auto& row : rows)
        grid->addRowWithViews(row);
    return grid;
}

Ref<GridRow> GridView::rowAtIndex(std::int64_t index) const {
    return index >= 0 && index < numberOfRows() ? rows_[index] : nullptr;
}

Ref<GridColumn> GridView::columnAtIndex(std::int64_t index) const {
    return index >= 0 && index < numberOfColumns() ? columns_[index] : nullptr;
}

Ref<GridCell> GridView::cellAtColumnIndexRowIndex(std::int64_t column, std::int64_t row) const {
    if (row < 0 || row >= numberOfRows() || column < 0 || column >= numberOfColumns())
        return nullptr;
    return cells_[row][column];
}

Ref<GridCell> GridView::cellForView(const Ref<View>& view) const {
    for (const auto& row : cells_)
        for (const auto& cell : row)
            if (view && cell->contentView_ == view)
                return cell;
    return nullptr;
}

std::int64_t GridView::indexOfRow(const Ref<GridRow>& row) const {
    const auto found = std::find(rows_.begin(), rows_.end(), row);
    return found == rows_.end() ? -1 : found - rows_.begin();
}

std::int64_t GridView::indexOfColumn(const Ref<GridColumn>& column) const {
    const auto found = std::find(columns_.begin(), columns_.end(), column);
    return found == columns_.end() ? -1 : found - columns_.begin();
}

Ref<GridCell> GridView::makeCell(const Ref<GridRow>& row, const Ref<GridColumn>& column) {
    auto cell = std::make_shared<GridCell>();
    cell->row_ = row;
    cell->column_ = column;
    cell->grid_ = std::static_pointer_cast<GridView>(self());
    return cell;
}

Ref<GridRow> GridView::insertRowAtIndex(std::int64_t index, const std::vector<Ref<View>>& views) {
    while (numberOfColumns() < std::ssize(views))
        insertColumnAtIndex(numberOfColumns(), {});
    index = std::clamp<std::int64_t>(index, 0, numberOfRows());
    auto row = std::make_shared<GridRow>();
    row->grid_ = std::static_pointer_cast<GridView>(self());
    std::vector<Ref<GridCell>> cells;
    for (std::int64_t c = 0; c < numberOfColumns(); ++c) {
        cells.push_back(makeCell(row, columns_[c]));
        // A row inserted inside a merge joins it.
        if (index > 0 && index < numberOfRows()) {
            const auto above = headOf(cells_[index - 1][c]);
            if (cells_[index][c]->headOfMergedCell() == above)
                cells.back()->head_ = above;
        }
    }
    rows_.insert(rows_.begin() + index, row);
    cells_.insert(cells_.begin() + index, cells);
    for (std::size_t c = 0; c < views.size(); ++c)
        setContent(*cells[c], views[c]);
    place();
    return row;
}

Ref<GridRow> GridView::addRowWithViews(const std::vector<Ref<View>>& views) {
    return insertRowAtIndex(numberOfRows(), views);
}

Ref<GridColumn> GridView::insertColumnAtIndex(std::int64_t index,
                                              const std::vector<Ref<View>>& views) {
    while (numberOfRows() < std::ssize(views))
        insertRowAtIndex(numberOfRows(), {});
    index = std::clamp<std::int64_t>(index, 0, numberOfColumns());
    auto column = std::make_shared<GridColumn>();
    column->grid_ = std::static_pointer_cast<GridView>(self());
    for (std::int64_t r = 0; r < numberOfRows(); ++r) {
        auto cell = makeCell(rows_[r], column);
        // A column inserted inside a merge joins it.
        if (index > 0 && index < numberOfColumns()) {
            const auto before = headOf(cells_[r][index - 1]);
            if (cells_[r][index]->headOfMergedCell() == before)
                cell->head_ = before;
        }
        cells_[r].insert(cells_[r].begin() + index, cell);
    }
    columns_.insert(columns_.begin() + index, column);
    for (std::size_t r = 0; r < views.size(); ++r)
        setContent(*cells_[r][index], views[r]);
    place();
    return column;
}

Ref<GridColumn> GridView::addColumnWithViews(const std::vector<Ref<View>>& views) {
    return insertColumnAtIndex(numberOfColumns(), views);
}

void GridView::removeRowAtIndex(std::int64_t index) {
    if (!rowAtIndex(index))
        return;
    const auto removed = cells_[index];
    for (const auto& cell : removed)
        setContent(*cell, nullptr);
    rows_.erase(rows_.begin() + index);
    cells_.erase(cells_.begin() + index);
    rehead(removed);
    place();
}

void GridView::removeColumnAtIndex(std::int64_t index) {
    if (!columnAtIndex(index))
        return;
    std::vector<Ref<GridCell>> removed;
    for (auto& row : cells_) {
        removed.push_back(row[index]);
        setContent(*row[index], nullptr);
        row.erase(row.begin() + index);
    }
    columns_.erase(columns_.begin() + index);
    rehead(removed);
    place();
}

void GridView::mergeCellsInRanges(Range columns, Range rows) {
    if (columns.location < 0 || rows.location < 0 || columns.length < 1 || rows.length < 1 ||
        columns.maxRange() > numberOfColumns() || rows.maxRange() > numberOfRows())
        return;
    const auto inside = [&](std::int64_t r, std::int64_t c) {
        return rows.contains(r) && columns.contains(c);
    };
    // A merge may take in whole merges, never a part of one.
    for (std::int64_t r = 0; r < numberOfRows(); ++r)
        for (std::int64_t c = 0; c < numberOfColumns(); ++c) {
            const auto head = cells_[r][c]->headOfMergedCell();
            if (!head)
                continue;
            const std::int64_t headRow = indexOfRow(head->row());
            const std::int64_t headColumn = indexOfColumn(head->column());
            if (inside(r, c) != inside(headRow, headColumn))
                return;
        }
    const auto head = cells_[rows.location][columns.location];
    for (std::int64_t r = rows.location; r < rows.maxRange(); ++r)
        for (std::int64_t c = columns.location; c < columns.maxRange(); ++c) {
            const auto& cell = cells_[r][c];
            if (cell == head)
                continue;
            setContent(*cell, nullptr);
            cell->head_ = head;
        }
    head->head_.reset();
    place();
}

void GridView::rehead(const std::vector<Ref<GridCell>>& removed) {
    for (const auto& head : removed) {
        Ref<GridCell> next;
        for (const auto& row : cells_)
            for (const auto& cell : row)
                if (cell->headOfMergedCell() == head) {
                    cell->head_ = next;
                    if (!next)
                        next = cell;
                }
    }
}

Range GridView::spanOf(const GridCell& head, bool columns) const {
    const std::int64_t row = indexOfRow(head.row());
    const std::int64_t column = indexOfColumn(head.column());
    Range span{columns ? column : row, 1};
    const std::int64_t count = columns ? numberOfColumns() : numberOfRows();
    while (span.maxRange() < count) {
        const auto& next = columns ? cells_[row][span.maxRange()] : cells_[span.maxRange()][column];
        if (next->headOfMergedCell().get() != &head)
            break;
        ++span.length;
    }
    return span;
}

void GridView::setContent(GridCell& cell, const Ref<View>& view) {
    if (cell.contentView_ == view || (view && cell.headOfMergedCell()))
        return;
    if (const auto& old = cell.contentView_; old && old->superview().get() == this)
        old->removeFromSuperview();
    if (const auto holder = cellForView(view))
        holder->contentView_ = nullptr;
    cell.contentView_ = view;
    if (view)
        addSubview(view);
    place();
}

void GridView::setRowSpacing(double spacing) {
    rowSpacing_ = spacing;
    place();
}

void GridView::setColumnSpacing(double spacing) {
    columnSpacing_ = spacing;
    place();
}

void GridView::setXPlacement(GridCellPlacement placement) {
    xPlacement_ = placement;
    place();
}

void GridView::setYPlacement(GridCellPlacement placement) {
    yPlacement_ = placement;
    place();
}

void GridView::resizeSubviewsWithOldSize(Size) {
    place();
}

void GridView::place() {
    // A row or column follows its content, the cells that span more than it left out.
    std::vector<double> widths, heights;
    for (const auto& column : columns_)
        widths.push_back(column->width() == kGridViewSizeForContent ? 0 : column->width());
    for (const auto& row : rows_)
        heights.push_back(row->height() == kGridViewSizeForContent ? 0 : row->height());
    for (std::int64_t r = 0; r < numberOfRows(); ++r)
        for (std::int64_t c = 0; c < numberOfColumns(); ++c) {
            const auto& cell = cells_[r][c];
            if (!cell->contentView_ || cell->headOfMergedCell())
                continue;
            const Size size = cell->contentView_->frame().size;
            if (columns_[c]->width() == kGridViewSizeForContent && spanOf(*cell, true).length == 1)
                widths[c] = std::max(widths[c], size.width);
            if (rows_[r]->height() == kGridViewSizeForContent && spanOf(*cell, false).length == 1)
                heights[r] = std::max(heights[r], size.height);
        }
    const Lines across = lay(columns_, widths, columnSpacing_, &GridColumn::leadingPadding,
                             &GridColumn::trailingPadding);
    const Lines down =
        lay(rows_, heights, rowSpacing_, &GridRow::topPadding, &GridRow::bottomPadding);
    const Rect all = bounds();
    for (std::int64_t r = 0; r < numberOfRows(); ++r)
        for (std::int64_t c = 0; c < numberOfColumns(); ++c) {
            const auto& cell = cells_[r][c];
            const auto& view = cell->contentView_;
            if (!view || cell->headOfMergedCell())
                continue;
            // The content of a hidden row or column leaves the grid's subviews until shown.
            const bool shown = !rows_[r]->isHidden() && !columns_[c]->isHidden();
            if (!shown) {
                if (view->superview().get() == this)
                    view->removeFromSuperview();
                continue;
            }
            if (view->superview().get() != this)
                addSubview(view);
            const Range columns = spanOf(*cell, true);
            const Range rows = spanOf(*cell, false);
            const std::int64_t lastColumn = columns.maxRange() - 1;
            const std::int64_t lastRow = rows.maxRange() - 1;
            const double left = across.start[c];
            const double top = down.start[r];
            const double width = across.start[lastColumn] + across.length[lastColumn] - left;
            const double height = down.start[lastRow] + down.length[lastRow] - top;
            const Size size = view->frame().size;
            const auto [x, w] =
                placed(firstGiven(cell->xPlacement_, columns_[c]->xPlacement(), xPlacement_), left,
                       width, size.width);
            const auto [y, h] =
                placed(firstGiven(cell->yPlacement_, rows_[r]->yPlacement(), yPlacement_), top,
                       height, size.height);
            view->setFrame({all.minX() + x, all.minY() + y, w, h});
        }
}

} // namespace platform
