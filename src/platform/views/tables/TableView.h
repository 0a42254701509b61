#pragma once

#include "platform/foundation/Selector.h"
#include "platform/views/Control.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QObject;

namespace platform {

class Array;
class IndexSet;
class TableColumn;
class TableHeaderView;
class TableRowDragging;
class TableRowView;
class TableViewDataSource;
class TableViewDelegate;
class TextField;

// How rows inserted or removed come and go.
namespace TableViewAnimation {
inline constexpr std::uint64_t EffectNone = 0;
inline constexpr std::uint64_t EffectFade = 1;
inline constexpr std::uint64_t EffectGap = 2;
inline constexpr std::uint64_t SlideUp = 16;
inline constexpr std::uint64_t SlideDown = 32;
} // namespace TableViewAnimation

// Rows of values in columns, each cell shown by a view of its own. The data source tells how
// many rows there are and the value of each cell; the delegate may make each cell's view,
// else the table makes a text cell showing the value. Cell views exist only for the rows in
// view: as the table scrolls, the views of rows that leave go to a pool by their identifier,
// from which makeViewWithIdentifierOwner hands them out again, so a table of 100,000 rows has
// as many views as one of a screenful.
//
// Each row in view has a row view, which holds the row's cell views and draws its selection;
// a group row has one view across every column instead of cells. The table is meant to be the
// document of a scroll view, which shows its header view above the rows. Rows are rowHeight
// high, or as high as the delegate says row by row, plus the vertical intercell spacing. The
// user selects rows with clicks (Ctrl adds or removes a row, Shift selects a run from the row
// clicked before, where multiple selection is allowed) and with the Up and Down keys (Shift
// extending the run); each change asks the delegate first. Changes by the program ask
// nothing. Every change tells the delegate after it; while the mouse is dragged across rows the
// delegate hears that the selection is changing, and of the change once the button is up.
// Typed letters select the next row whose text in the first shown column begins with them. A
// double click in the rows sends the double action and edits the clicked cell when it can be
// edited; Return edits the first cell of the selected row that can be. The user reorders
// columns by dragging their headers, selects a column by clicking its header where column
// selection is allowed, and hides or shows columns from the header's menu.
class TableView : public Control {
public:
    explicit TableView(Rect frame = {});
    ~TableView() override;

    // Both are held weakly, as a window holds its delegate.
    std::shared_ptr<TableViewDataSource> dataSource() const { return dataSource_.lock(); }
    void setDataSource(const std::shared_ptr<TableViewDataSource>& dataSource) {
        dataSource_ = dataSource;
    }
    std::shared_ptr<TableViewDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TableViewDelegate>& delegate) { delegate_ = delegate; }

    // In the order they are shown.
    const std::vector<Ref<TableColumn>>& tableColumns() const { return columns_; }
    std::int64_t numberOfColumns() const { return std::ssize(columns_); }
    // A column in another table moves here.
    void addTableColumn(const Ref<TableColumn>& column);
    void removeTableColumn(const Ref<TableColumn>& column);
    // Moves a column to another place, the others closing up; the delegate hears that it
    // moved.
    void moveColumnToColumn(std::int64_t oldIndex, std::int64_t newIndex);
    // Whether the user may drag a column's header to another place: yes unless set.
    bool allowsColumnReordering() const { return allowsColumnReordering_; }
    void setAllowsColumnReordering(bool value);
    // -1 for none.
    std::int64_t columnWithIdentifier(const Ref<String>& identifier) const;
    Ref<TableColumn> tableColumnWithIdentifier(const Ref<String>& identifier) const;
    // A new table has a header view; none shows no header.
    Ref<TableHeaderView> headerView() const { return headerView_; }
    void setHeaderView(Ref<TableHeaderView> header);

    // The height of a row's cells, 17 unless set, and the room between cells: 3 points across
    // and 2 down unless set.
    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double height);
    Size intercellSpacing() const { return intercellSpacing_; }
    void setIntercellSpacing(Size spacing);

    // Asks the data source again for the number of rows and the shown cells' values. Selected
    // rows past the new end are deselected.
    virtual void reloadData();
    // Fills the shown cells of these rows and columns again, asking the delegate for their
    // views as when they came into view.
    void reloadDataForRowIndexesColumnIndexes(const IndexSet& rows, const IndexSet& columns);
    // The count the data source gave at the last reload.
    std::int64_t numberOfRows() const { return numberOfRows_; }
    // Asks the delegate again for the heights of these rows.
    void noteHeightOfRowsWithIndexesChanged(const IndexSet& rows);

    // Rows the data source inserted, removed or moved: the table follows with its row count,
    // its selection and the rows in view, without loading every row again. Inserted indexes
    // are those of the rows after the insertion, removed ones those before. Between
    // beginUpdates and endUpdates (which nest) the rows in view are brought up to date once,
    // at the end.
    void beginUpdates();
    void endUpdates();
    void insertRowsAtIndexesWithAnimation(const IndexSet& indexes, std::uint64_t animation);
    void removeRowsAtIndexesWithAnimation(const IndexSet& indexes, std::uint64_t animation);
    void moveRowAtIndexToIndex(std::int64_t oldIndex, std::int64_t newIndex);

    Rect rectOfRow(std::int64_t row) const;
    // Hidden columns have no width.
    Rect rectOfColumn(std::int64_t column) const;
    // The cell's rectangle less the intercell spacing: where its view goes.
    virtual Rect frameOfCellAtColumnRow(std::int64_t column, std::int64_t row) const;
    // -1 outside the rows or columns.
    std::int64_t rowAtPoint(Point point) const;
    std::int64_t columnAtPoint(Point point) const;
    // The rows that meet the rectangle.
    Range rowsInRect(Rect rect) const;
    // Scrolls the enclosing clip view as little as brings the row into view.
    void scrollRowToVisible(std::int64_t row);

    // The view shown for the cell; with make, a cell not in view gets one made for it (which
    // the table does not keep). None outside the table. A group row's one view stands for
    // every column.
    Ref<View> viewAtColumnRowMakeIfNecessary(std::int64_t column, std::int64_t row, bool make);
    // The row view of a row in view; with make, a row not in view gets one made for it (which
    // the table does not keep). None outside the table.
    Ref<TableRowView> rowViewAtRowMakeIfNecessary(std::int64_t row, bool make);
    // A view that left the table's view with this identifier, for a delegate to fill again;
    // none when there is none. The owner is accepted for the framework's form and not used.
    Ref<View> makeViewWithIdentifierOwner(const Ref<String>& identifier, const Ref<Object>& owner);
    // The row and the column of the shown cell view that is or holds the view; -1 for a view in
    // no shown cell. A group row's view has a row and no column.
    std::int64_t rowForView(const View& view) const;
    std::int64_t columnForView(const View& view) const;

    // Starts the user's editing of a shown cell whose view is a TableCellView with an editable
    // text field: scrolls the row into view and makes the field the first responder, its whole
    // text selected. The field's delegate hears when editing ends, and finds the cell with
    // rowForView and columnForView. Answers whether editing began. The event is accepted for
    // the framework's form and not used; the text is always selected.
    virtual bool editColumnRowWithEventSelect(std::int64_t column, std::int64_t row,
                                              const Ref<Event>& event, bool select);

    bool allowsMultipleSelection() const { return allowsMultipleSelection_; }
    void setAllowsMultipleSelection(bool value) { allowsMultipleSelection_ = value; }
    // Yes unless set; without it a click outside the rows keeps the selection.
    bool allowsEmptySelection() const { return allowsEmptySelection_; }
    void setAllowsEmptySelection(bool value) { allowsEmptySelection_ = value; }
    // A copy of the selected rows.
    Ref<IndexSet> selectedRowIndexes() const;
    // The row selected last that is still selected, -1 for none.
    std::int64_t selectedRow() const;
    std::int64_t numberOfSelectedRows() const;
    bool isRowSelected(std::int64_t row) const;
    // Rows past the end are left out.
    void selectRowIndexesByExtendingSelection(const IndexSet& rows, bool extend);
    void deselectRow(std::int64_t row);
    void deselectAll();
    // Whether the user may select a column by clicking its header; no unless set. Selecting a
    // column deselects the rows, and selecting rows deselects the columns.
    bool allowsColumnSelection() const { return allowsColumnSelection_; }
    void setAllowsColumnSelection(bool value) { allowsColumnSelection_ = value; }
    Ref<IndexSet> selectedColumnIndexes() const;
    // The column selected last that is still selected, -1 for none.
    std::int64_t selectedColumn() const;
    bool isColumnSelected(std::int64_t column) const;
    // Columns past the end are left out.
    void selectColumnIndexesByExtendingSelection(const IndexSet& columns, bool extend);
    void deselectColumn(std::int64_t column);
    // Whether typed letters select rows: yes unless set.
    bool allowsTypeSelect() const { return allowsTypeSelect_; }
    void setAllowsTypeSelect(bool value) { allowsTypeSelect_ = value; }
    // The row and column of the last click, -1 outside them.
    std::int64_t clickedRow() const { return clickedRow_; }
    std::int64_t clickedColumn() const { return clickedColumn_; }

    // The order the rows are shown in, as the data source sorts them: an array of sort
    // descriptors, the first deciding. Every change, the program's too, tells the data source.
    Ref<Array> sortDescriptors() const { return sortDescriptors_; }
    void setSortDescriptors(Ref<Array> descriptors);

    // Sent on a double click in the rows; the action goes on every click.
    Selector doubleAction() const { return doubleAction_; }
    void setDoubleAction(Selector action) { doubleAction_ = std::move(action); }

    // What destinations in the program (local) and outside it may do with rows dragged out of
    // the table; unless set, whatever they choose in the program and copying outside it.
    std::uint64_t draggingSourceOperationMaskForLocal(bool isLocal) const;
    void setDraggingSourceOperationMaskForLocal(std::uint64_t mask, bool isLocal);
    // While the data source validates a drop, moves it to another row and drop operation.
    void setDropRowDropOperation(std::int64_t row, std::uint64_t dropOperation);
    std::uint64_t draggingEntered(const Ref<DraggingInfo>& sender) override;
    std::uint64_t draggingUpdated(const Ref<DraggingInfo>& sender) override;
    void draggingExited(const Ref<DraggingInfo>& sender) override;
    bool performDragOperation(const Ref<DraggingInfo>& sender) override;

    bool isFlipped() const override { return true; }
    bool acceptsFirstResponder() const override { return true; }
    double doubleValue() const override { return 0; }
    void setDoubleValue(double) override {}
    void mouseDown(const Ref<Event>& event) override;
    void mouseDragged(const Ref<Event>& event) override;
    void mouseUp(const Ref<Event>& event) override;
    void keyDown(const Ref<Event>& event) override;
    // Highlights the selected columns behind the rows.
    void drawRect(Rect dirtyRect) override;
    void prepareContentInRect(Rect rect) override;
    void viewDidMoveToWindow() override;

protected:
    // After a row in view got its views and frames, for a subclass to add its own to them.
    virtual void didFillRow(std::int64_t row, TableRowView& rowView);

private:
    friend class TableColumn;
    friend class TableHeaderView;
    // After a column's title, width or visibility changed, or the row geometry.
    void columnDidChange();
    void headerPressedColumn(std::int64_t column);
    void headerClickedColumn(std::int64_t column);
    void headerResizedColumn(std::int64_t column, double width);
    // The user dragged a column's header from one place to another.
    void headerMovedColumn(std::int64_t oldIndex, std::int64_t newIndex);
    // The user hid or showed a column from the header's menu.
    void headerToggledColumn(std::int64_t column);
    // Whether the header's menu offers to hide and show the column.
    bool userCanChangeVisibilityOfColumn(std::int64_t column);

    // The views of a row in view.
    struct ShownRow {
        Ref<TableRowView> rowView;
        // Whether the table made the row view, which then goes to its pool when the row leaves.
        bool ownRowView = false;
        // One per column, none for hidden columns; empty for a group row.
        std::vector<Ref<View>> cells;
        Ref<View> groupView;
    };

    Ref<TableView> thisTable() {
        return std::static_pointer_cast<TableView>(weak_from_this().lock());
    }
    double rowPitch() const { return rowHeight_ + intercellSpacing_.height; }
    // Where the row starts, from the top; the row count gives the end of the last row.
    double rowTop(std::int64_t row) const;
    // Asks the delegate for every row's height, where it has a delegate.
    void loadRowHeights();
    double askedHeightOfRow(std::int64_t row);
    void sumRowHeights();
    bool isGroupRow(std::int64_t row);
    Rect visibleRect() const;
    // Brings the table's size in line with its rows and columns and the space it is shown in.
    void sizeToRows();
    // Makes the cell views of the rows now in view, places them, and puts those of rows out of
    // view in the pool.
    void tile();
    Ref<View> makeCellView(std::int64_t column, std::int64_t row);
    Ref<View> makeGroupView(std::int64_t row);
    // A row view for the row: the delegate's, else one from the pool where allowed, else a
    // new one.
    ShownRow makeRowView(std::int64_t row, bool fromPool);
    // Brings the row's views in line with the columns and the selection, and places them.
    void fillRow(std::int64_t row, ShownRow& shown);
    // Takes a cell view out of view, into the pool when it has an identifier.
    void recycle(const Ref<View>& cell);
    // Takes a row out of view: its cells to the pool, its row view to the table's pool when
    // the table made it; the delegate hears that it left.
    void recycleRow(std::int64_t row, ShownRow& shown);
    void recycleAllRows();
    // After rows were inserted, removed or moved, unless inside beginUpdates.
    void rowsDidChange();
    void columnsDidChange();
    // The user's change of the selection: asks the delegate, then selects what it allows.
    void userSelect(const IndexSet& proposed, std::int64_t focus);
    // Shows the selection in the row views, then tells the delegate; while the mouse is down
    // the delegate hears that the selection is changing and of the change at the end.
    void selectionDidChange();
    void moveSelection(int step, bool extend);
    // Selects a row from typed letters; answers whether the key was used.
    bool typeSelect(const Ref<Event>& event);
    // Watches the field being edited, so that the table takes the keyboard back when Return
    // ends the editing; the watch ends with the field's focus.
    void watchEditing(const Ref<TextField>& field);
    void editingDidEnd();
    // The cell of a shown row and column, -1 and -1 when the view is in none.
    std::pair<std::int64_t, std::int64_t> cellHolding(const View& view) const;

    std::weak_ptr<TableViewDataSource> dataSource_;
    std::weak_ptr<TableViewDelegate> delegate_;
    std::vector<Ref<TableColumn>> columns_;
    Ref<TableHeaderView> headerView_;
    double rowHeight_ = 17;
    Size intercellSpacing_{3, 2};
    std::int64_t numberOfRows_ = 0;
    // The cell views of the rows in view, one per column (none for hidden columns).
    std::map<std::int64_t, ShownRow> shown_;
    // Views of rows that left the view, by identifier.
    std::map<std::u16string, std::vector<Ref<View>>> pool_;
    std::vector<Ref<TableRowView>> rowViewPool_;
    // The rows' heights as the delegate gave them, and where each row starts; both empty
    // while every row is rowHeight high.
    std::vector<double> rowHeights_;
    std::vector<double> rowTops_;
    Ref<IndexSet> selection_;
    Ref<IndexSet> columnSelection_;
    std::int64_t lastColumn_ = -1;
    std::int64_t anchorRow_ = -1;
    std::int64_t cursorRow_ = -1;
    std::int64_t clickedRow_ = -1;
    std::int64_t clickedColumn_ = -1;
    bool allowsMultipleSelection_ = false;
    bool allowsEmptySelection_ = true;
    bool allowsColumnSelection_ = false;
    bool allowsColumnReordering_ = true;
    bool allowsTypeSelect_ = true;
    // From a press in the rows to its release.
    bool tracking_ = false;
    bool changedWhileTracking_ = false;
    std::int64_t trackingRow_ = -1;
    std::u16string typedSearch_;
    double typedAt_ = 0;
    WeakRef<TextField> editedField_;
    // The toolkit's side of the editing watch.
    std::unique_ptr<QObject> editingWatch_;
    Ref<Array> sortDescriptors_;
    Selector doubleAction_;
    bool tiling_ = false;
    int updateDepth_ = 0;
    std::unique_ptr<TableRowDragging> rowDragging_;
};

} // namespace platform
