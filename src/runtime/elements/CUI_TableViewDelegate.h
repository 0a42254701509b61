#pragma once

// The delegate and data source the wiring gives each table view of a program, one per table.
// It keeps the table's rows in tableData (strings, attributed strings, numbers, images, or
// dictionaries of them by column identifier), makes and fills the cell views, writes edited text
// back into the rows, sorts them when the sort descriptors change, moves or copies rows dropped
// inside the table and reports files dropped from outside. Each question goes to the program
// through tableViewForwardEventObject with the answer the table gives without a delegate
// prepared; the program answers in the shared record or in this delegate's event fields, which
// it reaches through the table's delegate.

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"
#include "platform/views/TextFieldDelegate.h"
#include "platform/views/tables/TableViewDataSource.h"
#include "platform/views/tables/TableViewDelegate.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace platform {
class Array;
class Color;
class Image;
class Number;
class String;
class View;
} // namespace platform

class CUI_TableViewDelegate : public platform::Object,
                              public platform::TableViewDelegate,
                              public platform::TableViewDataSource,
                              public platform::TextFieldDelegate {
public:
    // The drop operation that accepts drops at every position.
    static constexpr std::int64_t kAnyDropOperation = std::numeric_limits<std::int64_t>::max();
    // The pasteboard type of a row dragged inside a table: the archived row.
    static const platform::String& reorderPasteboardType();

    CUI_TableViewDelegate();

    // The single exit of every question: the table's window becomes the current output window;
    // the table's delegateCallback hears the code when it has one, else the dialog callback the
    // code, the table's tag, its wndTag and the object.
    void tableViewForwardEventObject(const platform::Ref<platform::TableView>& tableView,
                                     std::int64_t event,
                                     const platform::Ref<platform::Object>& object);

    // The table's action and double action, reported as the control action and as
    // TableViewEvent::DoubleAction.
    void singleAction(const platform::Ref<platform::Object>& sender);
    void doubleAction(const platform::Ref<platform::Object>& sender);
    static platform::Selector singleActionSelector();
    static platform::Selector doubleActionSelector();

    bool allowsDragCopy() const { return allowsDragCopy_; }
    void setAllowsDragCopy(bool value) { allowsDragCopy_ = value; }
    // Held weakly: the table keeps its delegate alive, not the other way round.
    platform::Ref<platform::TableView> table() const { return table_.lock(); }
    void setTable(const platform::Ref<platform::TableView>& table) { table_ = table; }
    const platform::Ref<platform::Array>& tableData() const { return tableData_; }
    void setTableData(platform::Ref<platform::Array> rows);
    std::int64_t dragSourceIndex() const { return dragSourceIndex_; }
    void setDragSourceIndex(std::int64_t value) { dragSourceIndex_ = value; }
    const platform::Ref<platform::Array>& currentlyDraggedObjects() const {
        return currentlyDraggedObjects_;
    }
    void setCurrentlyDraggedObjects(platform::Ref<platform::Array> rows) {
        currentlyDraggedObjects_ = std::move(rows);
    }
    std::int64_t dropOperation() const { return dropOperation_; }
    void setDropOperation(std::int64_t value) { dropOperation_ = value; }
    const platform::Ref<platform::Color>& textColor() const { return textColor_; }
    void setTextColor(platform::Ref<platform::Color> color) { textColor_ = std::move(color); }
    std::int64_t eventNumberOfRows() const { return eventNumberOfRows_; }
    void setEventNumberOfRows(std::int64_t value) { eventNumberOfRows_ = value; }
    std::int64_t eventRow() const { return eventRow_; }
    void setEventRow(std::int64_t value) { eventRow_ = value; }
    std::int64_t eventColumn() const { return eventColumn_; }
    void setEventColumn(std::int64_t value) { eventColumn_ = value; }
    const platform::Ref<platform::String>& eventColumnIdentifier() const {
        return eventColumnIdentifier_;
    }
    void setEventColumnIdentifier(platform::Ref<platform::String> value) {
        eventColumnIdentifier_ = std::move(value);
    }
    const platform::Ref<platform::View>& eventCellView() const { return eventCellView_; }
    void setEventCellView(platform::Ref<platform::View> view) { eventCellView_ = std::move(view); }
    const platform::Ref<platform::String>& eventCellIdentifier() const {
        return eventCellIdentifier_;
    }
    void setEventCellIdentifier(platform::Ref<platform::String> value) {
        eventCellIdentifier_ = std::move(value);
    }
    const platform::Ref<platform::String>& eventCellString() const { return eventCellString_; }
    void setEventCellString(platform::Ref<platform::String> value) {
        eventCellString_ = std::move(value);
    }
    const platform::Ref<platform::Image>& eventCellImage() const { return eventCellImage_; }
    void setEventCellImage(platform::Ref<platform::Image> image) {
        eventCellImage_ = std::move(image);
    }
    double eventHeightOfRow() const { return eventHeightOfRow_; }
    void setEventHeightOfRow(double value) { eventHeightOfRow_ = value; }
    std::uint64_t eventDropOperation() const { return eventDropOperation_; }
    void setEventDropOperation(std::uint64_t value) { eventDropOperation_ = value; }
    platform::Range objectRange() const { return objectRange_; }
    void setObjectRange(platform::Range range) { objectRange_ = range; }

    // The delegate.
    platform::Ref<platform::View>
    tableViewViewForTableColumnRow(const platform::Ref<platform::TableView>& tableView,
                                   const platform::Ref<platform::TableColumn>& column,
                                   std::int64_t row) override;
    platform::Ref<platform::TableRowView>
    tableViewRowViewForRow(const platform::Ref<platform::TableView>& tableView,
                           std::int64_t row) override;
    void tableViewDidAddRowViewForRow(const platform::Ref<platform::TableView>& tableView,
                                      const platform::Ref<platform::TableRowView>& rowView,
                                      std::int64_t row) override;
    void tableViewDidRemoveRowViewForRow(const platform::Ref<platform::TableView>& tableView,
                                         const platform::Ref<platform::TableRowView>& rowView,
                                         std::int64_t row) override;
    bool tableViewIsGroupRow(const platform::Ref<platform::TableView>& tableView,
                             std::int64_t row) override;
    double tableViewHeightOfRow(const platform::Ref<platform::TableView>& tableView,
                                std::int64_t row) override;
    bool
    selectionShouldChangeInTableView(const platform::Ref<platform::TableView>& tableView) override;
    bool tableViewShouldSelectRow(const platform::Ref<platform::TableView>& tableView,
                                  std::int64_t row) override;
    bool
    tableViewShouldSelectTableColumn(const platform::Ref<platform::TableView>& tableView,
                                     const platform::Ref<platform::TableColumn>& column) override;
    void tableViewSelectionIsChanging(
        const platform::Ref<platform::Notification>& notification) override;
    void
    tableViewSelectionDidChange(const platform::Ref<platform::Notification>& notification) override;
    bool tableViewShouldTypeSelectForEventWithCurrentSearchString(
        const platform::Ref<platform::TableView>& tableView,
        const platform::Ref<platform::Event>& event,
        const platform::Ref<platform::String>& searchString) override;
    bool tableViewShouldReorderColumnToColumn(const platform::Ref<platform::TableView>& tableView,
                                              std::int64_t columnIndex,
                                              std::int64_t newColumnIndex) override;
    void tableViewDidDragTableColumn(const platform::Ref<platform::TableView>& tableView,
                                     const platform::Ref<platform::TableColumn>& column) override;
    void tableViewColumnDidMove(const platform::Ref<platform::Notification>& notification) override;
    void
    tableViewColumnDidResize(const platform::Ref<platform::Notification>& notification) override;
    void tableViewDidClickTableColumn(const platform::Ref<platform::TableView>& tableView,
                                      const platform::Ref<platform::TableColumn>& column) override;
    void tableViewMouseDownInHeaderOfTableColumn(
        const platform::Ref<platform::TableView>& tableView,
        const platform::Ref<platform::TableColumn>& column) override;
    bool tableViewUserCanChangeVisibilityOfTableColumn(
        const platform::Ref<platform::TableView>& tableView,
        const platform::Ref<platform::TableColumn>& column) override;
    void tableViewUserDidChangeVisibilityOfTableColumns(
        const platform::Ref<platform::TableView>& tableView,
        const platform::Ref<platform::Array>& columns) override;

    // The data source.
    std::int64_t
    numberOfRowsInTableView(const platform::Ref<platform::TableView>& tableView) override;
    void tableViewSortDescriptorsDidChange(const platform::Ref<platform::TableView>& tableView,
                                           const platform::Ref<platform::Array>& old) override;
    platform::Ref<platform::PasteboardItem>
    tableViewPasteboardWriterForRow(const platform::Ref<platform::TableView>& tableView,
                                    std::int64_t row) override;
    void tableViewDraggingSessionWillBeginAtPointForRowIndexes(
        const platform::Ref<platform::TableView>& tableView,
        const platform::Ref<platform::DraggingSession>& session, platform::Point screenPoint,
        const platform::Ref<platform::IndexSet>& rowIndexes) override;
    void tableViewDraggingSessionEndedAtPointOperation(
        const platform::Ref<platform::TableView>& tableView,
        const platform::Ref<platform::DraggingSession>& session, platform::Point screenPoint,
        std::uint64_t operation) override;
    std::uint64_t tableViewValidateDropProposedRowProposedDropOperation(
        const platform::Ref<platform::TableView>& tableView,
        const platform::Ref<platform::DraggingInfo>& info, std::int64_t row,
        std::uint64_t dropOperation) override;
    bool tableViewAcceptDropRowDropOperation(const platform::Ref<platform::TableView>& tableView,
                                             const platform::Ref<platform::DraggingInfo>& info,
                                             std::int64_t row,
                                             std::uint64_t dropOperation) override;

    // The edit of a cell's text field, written back into its row.
    void controlTextDidEndEditing(const platform::Ref<platform::Notification>& notice) override;

private:
    platform::Ref<CUI_TableViewDelegate> thisDelegate();
    std::int64_t rowCount() const;
    void fillCell(const platform::View& cell, const platform::Ref<platform::Object>& row,
                  const platform::Ref<platform::String>& identifier) const;
    void runCustomCellCallback(const platform::Ref<platform::TableView>& tableView,
                               const platform::Ref<platform::View>& cell, std::int64_t row) const;
    // Answers the number stored, which the cell shows in place of the text typed.
    platform::Ref<platform::Number> writeEdit(std::int64_t row,
                                              const platform::Ref<platform::String>& identifier,
                                              const platform::Ref<platform::String>& text);
    void reorder(const platform::Ref<platform::TableView>& tableView, std::int64_t row);
    void insertCopies(const platform::Ref<platform::TableView>& tableView, std::int64_t row);

    bool allowsDragCopy_ = false;
    platform::WeakRef<platform::TableView> table_;
    platform::Ref<platform::Array> tableData_;
    std::int64_t dragSourceIndex_ = -1;
    platform::Ref<platform::Array> currentlyDraggedObjects_;
    std::int64_t dropOperation_ = kAnyDropOperation;
    platform::Ref<platform::Color> textColor_;
    std::int64_t eventNumberOfRows_ = 0;
    std::int64_t eventRow_ = 0;
    std::int64_t eventColumn_ = 0;
    platform::Ref<platform::String> eventColumnIdentifier_;
    platform::Ref<platform::View> eventCellView_;
    platform::Ref<platform::String> eventCellIdentifier_;
    platform::Ref<platform::String> eventCellString_;
    platform::Ref<platform::Image> eventCellImage_;
    double eventHeightOfRow_ = 0;
    std::uint64_t eventDropOperation_ = 0;
    platform::Range objectRange_;
    // Where the dragged rows stood when the drag began, in the order they were dragged: a
    // reorder moves rows by position, so rows holding the same value move as they should.
    std::vector<std::int64_t> draggedRows_;
};
