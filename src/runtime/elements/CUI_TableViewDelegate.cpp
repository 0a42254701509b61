#include "runtime/elements/CUI_TableViewDelegate.h"

#include "runtime/elements/ViewWiring.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/app/DraggingInfo.h"
#include "platform/app/Pasteboard.h"
#include "platform/app/PasteboardItem.h"
#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Color.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/Archiver.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/IndexSet.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/SortDescriptor.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/views/NumberFormatter.h"
#include "platform/views/TextField.h"
#include "platform/views/controls/ImageView.h"
#include "platform/views/tables/TableCellView.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableRowView.h"
#include "platform/views/tables/TableView.h"
#include "platform/windows/Window.h"

#include <cstdlib>

using platform::Array;
using platform::Object;
using platform::Ref;
using platform::String;
using platform::TableColumn;
using platform::TableView;
using platform::View;

namespace {

// The mark of a cell view whose controls the wiring has reached, so that a reused one is not
// wired again.
constexpr std::string_view kWiredCellKey = "cuiTableCellWired";

Ref<TableView> tableOf(const Ref<platform::Notification>& notification) {
    return notification && notification->object() ? notification->object()->as<TableView>()
                                                  : nullptr;
}

// A value shown in a cell: text in the text field, an image in the image view; a cell without
// the one or the other leaves the value unshown.
void showValue(const platform::TableCellView& cell, const Ref<Object>& value) {
    if (!value)
        return;
    const auto field = cell.textField();
    if (const auto image = value->as<platform::Image>()) {
        if (const auto imageView = cell.imageView())
            imageView->setImage(image);
    } else if (!field) {
        return;
    } else if (const auto attributed = value->as<platform::AttributedString>()) {
        field->setStringValue(attributed->string());
    } else if (const auto text = value->as<String>()) {
        field->setStringValue(text);
    } else if (const auto number = value->as<platform::Number>()) {
        field->setStringValue(number->description());
    }
}

// A dictionary shows every one of its values, later ones over earlier ones; anything else shows
// itself.
void showValueOrValues(const platform::TableCellView& cell, const Ref<Object>& value) {
    if (const auto values = value ? value->as<platform::Dictionary>() : nullptr) {
        for (const auto& shown : *values->allValues())
            showValue(cell, shown);
    } else {
        showValue(cell, value);
    }
}

// The edited text as the new value of a cell that held the old one; none when that kind of
// value is not edited. A number takes the number the text reads as and keeps its value when the
// text is not a number; an attributed string keeps its attributes and, emptied, a single blank.
Ref<Object> editedValue(const Ref<Object>& old, const Ref<String>& text) {
    if (!old)
        return nullptr;
    if (const auto attributed = old->as<platform::AttributedString>())
        return platform::AttributedString::create(text->isEmpty() ? String::fromUtf8(" ") : text,
                                                  attributed->attributes());
    if (old->isKindOf<String>())
        return text;
    if (old->isKindOf<platform::Number>()) {
        const auto number = platform::NumberFormatter().numberFromString(text);
        return number ? Ref<Object>(number) : old;
    }
    return nullptr;
}

// Whether the drag offers only to copy.
bool copyOnly(const Ref<platform::DraggingInfo>& info) {
    return info && info->draggingSourceOperationMask() == platform::DragOperation::Copy;
}

} // namespace

const String& CUI_TableViewDelegate::reorderPasteboardType() {
    static const Ref<String> type = String::fromUtf8("io.github.pondaro.tableview.reorder.item");
    return *type;
}

CUI_TableViewDelegate::CUI_TableViewDelegate() : tableData_(Array::array()) {}

Ref<CUI_TableViewDelegate> CUI_TableViewDelegate::thisDelegate() {
    return std::static_pointer_cast<CUI_TableViewDelegate>(shared_from_this());
}

std::int64_t CUI_TableViewDelegate::rowCount() const {
    return static_cast<std::int64_t>(tableData_->count());
}

void CUI_TableViewDelegate::setTableData(Ref<Array> rows) {
    tableData_ = rows ? std::move(rows) : Array::array();
}

void CUI_TableViewDelegate::tableViewForwardEventObject(const Ref<TableView>& tableView,
                                                        std::int64_t event,
                                                        const Ref<Object>& object) {
    if (!tableView)
        return;
    if (const auto callback = Additions::delegateCallback(*tableView)) {
        CurrentOutputWindowTagSet(std::llabs(Additions::wndTag(*tableView)));
        callback(tableView->tag(), event);
        return;
    }
    ForwardElementDelegateEvent(*tableView, event, object);
}

void CUI_TableViewDelegate::singleAction(const Ref<Object>& sender) {
    tableViewForwardEventObject(sender ? sender->as<TableView>() : nullptr, kControlActionEvent,
                                nullptr);
}

void CUI_TableViewDelegate::doubleAction(const Ref<Object>& sender) {
    tableViewForwardEventObject(sender ? sender->as<TableView>() : nullptr,
                                TableViewEvent::DoubleAction, nullptr);
}

platform::Selector CUI_TableViewDelegate::singleActionSelector() {
    return {"singleAction:", &CUI_TableViewDelegate::singleAction};
}

platform::Selector CUI_TableViewDelegate::doubleActionSelector() {
    return {"doubleAction:", &CUI_TableViewDelegate::doubleAction};
}

Ref<View> CUI_TableViewDelegate::tableViewViewForTableColumnRow(const Ref<TableView>& tableView,
                                                                const Ref<TableColumn>& column,
                                                                std::int64_t row) {
    if (!tableView || !column)
        return nullptr;
    const Ref<String> identifier = column->identifier();
    const auto served = table();
    eventRow_ = row;
    eventColumn_ = served && identifier ? served->columnWithIdentifier(identifier) : -1;
    eventColumnIdentifier_ = identifier;
    eventCellIdentifier_ = identifier;
    eventCellView_ = nullptr;
    eventCellString_ = nullptr;
    eventCellImage_ = nullptr;
    eventCellView_ = tableView->makeViewWithIdentifierOwner(identifier, thisDelegate());
    if (Additions::delegateCallback(*tableView))
        tableViewForwardEventObject(tableView, TableViewEvent::ViewForTableColumnRow, nullptr);

    const auto custom = Additions::customCellIdentifiers(*tableView);
    if (Additions::customCellCallback(*tableView) && custom && identifier &&
        custom->containsObject(identifier)) {
        runCustomCellCallback(tableView, eventCellView_, row);
        return eventCellView_;
    }
    if (!eventCellView_) {
        const platform::Rect frame{0, 0, column->width(), tableView->rowHeight()};
        eventCellView_ = platform::TableCellView::makeTextCell(frame, column->isEditable());
        eventCellView_->setIdentifier(identifier);
    }
    const auto cell = eventCellView_->as<platform::TableCellView>();
    if (!cell)
        return eventCellView_;
    if (const auto field = cell->textField(); field && field->isEditable())
        field->setDelegate(thisDelegate());
    if (row >= 0 && row < rowCount())
        fillCell(*cell, tableData_->objectAtIndex(row), identifier);
    return eventCellView_;
}

void CUI_TableViewDelegate::fillCell(const View& view, const Ref<Object>& row,
                                     const Ref<String>& identifier) const {
    const auto& cell = static_cast<const platform::TableCellView&>(view);
    const auto values = row ? row->as<platform::Dictionary>() : nullptr;
    if (!values) {
        showValue(cell, row);
        return;
    }
    if (const auto value = identifier ? values->objectForKey(identifier) : nullptr)
        showValueOrValues(cell, value);
    else
        showValueOrValues(cell, values);
}

// The program fills the cell's subviews itself. A cell view met for the first time has its
// controls wired for the table's window, so that they report as the window's other controls do.
void CUI_TableViewDelegate::runCustomCellCallback(const Ref<TableView>& tableView,
                                                  const Ref<View>& cell, std::int64_t row) const {
    if (!cell)
        return;
    const auto callback = Additions::customCellCallback(*tableView);
    void* userData = Additions::customCellUserData(*tableView);
    // A callback may change the subviews; the ones it is called for are those there before.
    const std::vector<Ref<View>> subviews = cell->subviews();
    for (const auto& subview : subviews)
        callback(tableView->tag(), eventColumnIdentifier_, row, subview, userData);
    if (cell->attachedProperty(kWiredCellKey))
        return;
    cell->setAttachedProperty(kWiredCellKey, platform::Number::numberWithBool(true));
    const auto window = tableView->window();
    WireViews(window ? Additions::tag(*window) : Additions::wndTag(*tableView), cell);
}

Ref<platform::TableRowView>
CUI_TableViewDelegate::tableViewRowViewForRow(const Ref<TableView>& tableView, std::int64_t row) {
    DialogEventSetLongVal(row);
    DialogEventSetViewObj(nullptr);
    tableViewForwardEventObject(tableView, TableViewEvent::RowViewForRow, nullptr);
    const auto answer = DialogEventViewObj();
    return answer ? answer->as<platform::TableRowView>() : nullptr;
}

void CUI_TableViewDelegate::tableViewDidAddRowViewForRow(const Ref<TableView>& tableView,
                                                         const Ref<platform::TableRowView>& rowView,
                                                         std::int64_t row) {
    if (!tableView)
        return;
    const auto color = textColor_ ? textColor_ : platform::Color::controlTextColor();
    for (std::int64_t column = 0; column < tableView->numberOfColumns(); ++column) {
        const auto view = tableView->viewAtColumnRowMakeIfNecessary(column, row, false);
        const auto cell = view ? view->as<platform::TableCellView>() : nullptr;
        if (const auto field = cell ? cell->textField() : nullptr)
            field->setTextColor(color);
    }
    DialogEventSetLongVal(row);
    DialogEventSetViewObj(rowView);
    tableViewForwardEventObject(tableView, TableViewEvent::DidAddRowView, rowView);
}

void CUI_TableViewDelegate::tableViewDidRemoveRowViewForRow(
    const Ref<TableView>& tableView, const Ref<platform::TableRowView>& rowView, std::int64_t row) {
    DialogEventSetLongVal(row);
    DialogEventSetViewObj(rowView);
    tableViewForwardEventObject(tableView, TableViewEvent::DidRemoveRowView, rowView);
}

bool CUI_TableViewDelegate::tableViewIsGroupRow(const Ref<TableView>& tableView, std::int64_t row) {
    DialogEventSetBoolVal(false);
    DialogEventSetLongVal(row);
    tableViewForwardEventObject(tableView, TableViewEvent::IsGroupRow, nullptr);
    return DialogEventBoolVal();
}

double CUI_TableViewDelegate::tableViewHeightOfRow(const Ref<TableView>& tableView, std::int64_t) {
    eventHeightOfRow_ = tableView ? tableView->rowHeight() : 0;
    tableViewForwardEventObject(tableView, TableViewEvent::HeightOfRow, nullptr);
    return eventHeightOfRow_;
}

bool CUI_TableViewDelegate::selectionShouldChangeInTableView(const Ref<TableView>& tableView) {
    DialogEventSetBoolVal(true);
    tableViewForwardEventObject(tableView, TableViewEvent::SelectionShouldChange, nullptr);
    return DialogEventBoolVal();
}

bool CUI_TableViewDelegate::tableViewShouldSelectRow(const Ref<TableView>& tableView,
                                                     std::int64_t row) {
    DialogEventSetLongVal(row);
    DialogEventSetBoolVal(true);
    tableViewForwardEventObject(tableView, TableViewEvent::ShouldSelectRow, nullptr);
    return DialogEventBoolVal();
}

bool CUI_TableViewDelegate::tableViewShouldSelectTableColumn(const Ref<TableView>& tableView,
                                                             const Ref<TableColumn>& column) {
    DialogEventSetBoolVal(true);
    tableViewForwardEventObject(tableView, TableViewEvent::ShouldSelectTableColumn, column);
    return DialogEventBoolVal();
}

void CUI_TableViewDelegate::tableViewSelectionIsChanging(
    const Ref<platform::Notification>& notification) {
    tableViewForwardEventObject(tableOf(notification), TableViewEvent::SelectionIsChanging,
                                nullptr);
}

void CUI_TableViewDelegate::tableViewSelectionDidChange(
    const Ref<platform::Notification>& notification) {
    tableViewForwardEventObject(tableOf(notification), TableViewEvent::SelectionDidChange, nullptr);
}

bool CUI_TableViewDelegate::tableViewShouldTypeSelectForEventWithCurrentSearchString(
    const Ref<TableView>& tableView, const Ref<platform::Event>&, const Ref<String>&) {
    tableViewForwardEventObject(tableView, TableViewEvent::ShouldTypeSelect, nullptr);
    return true;
}

bool CUI_TableViewDelegate::tableViewShouldReorderColumnToColumn(const Ref<TableView>& tableView,
                                                                 std::int64_t, std::int64_t) {
    tableViewForwardEventObject(tableView, TableViewEvent::ShouldReorderColumn, nullptr);
    return true;
}

void CUI_TableViewDelegate::tableViewDidDragTableColumn(const Ref<TableView>& tableView,
                                                        const Ref<TableColumn>&) {
    tableViewForwardEventObject(tableView, TableViewEvent::DidDragTableColumn, nullptr);
}

void CUI_TableViewDelegate::tableViewColumnDidMove(
    const Ref<platform::Notification>& notification) {
    tableViewForwardEventObject(tableOf(notification), TableViewEvent::ColumnDidMove, nullptr);
}

void CUI_TableViewDelegate::tableViewColumnDidResize(
    const Ref<platform::Notification>& notification) {
    tableViewForwardEventObject(tableOf(notification), TableViewEvent::ColumnDidResize, nullptr);
}

void CUI_TableViewDelegate::tableViewDidClickTableColumn(const Ref<TableView>& tableView,
                                                         const Ref<TableColumn>&) {
    tableViewForwardEventObject(tableView, TableViewEvent::DidClickTableColumn, nullptr);
}

void CUI_TableViewDelegate::tableViewMouseDownInHeaderOfTableColumn(const Ref<TableView>& tableView,
                                                                    const Ref<TableColumn>&) {
    tableViewForwardEventObject(tableView, TableViewEvent::MouseDownInHeader, nullptr);
}

bool CUI_TableViewDelegate::tableViewUserCanChangeVisibilityOfTableColumn(
    const Ref<TableView>& tableView, const Ref<TableColumn>& column) {
    DialogEventSetBoolVal(true);
    DialogEventSetTableColumnObj(column);
    tableViewForwardEventObject(tableView, TableViewEvent::UserCanChangeVisibility, nullptr);
    return DialogEventBoolVal();
}

void CUI_TableViewDelegate::tableViewUserDidChangeVisibilityOfTableColumns(
    const Ref<TableView>& tableView, const Ref<Array>& columns) {
    DialogEventSetArrayObj(columns);
    tableViewForwardEventObject(tableView, TableViewEvent::UserDidChangeVisibility, nullptr);
}

std::int64_t CUI_TableViewDelegate::numberOfRowsInTableView(const Ref<TableView>& tableView) {
    eventNumberOfRows_ = -1;
    tableViewForwardEventObject(tableView, TableViewEvent::NumberOfRows, nullptr);
    return eventNumberOfRows_ != -1 ? eventNumberOfRows_ : rowCount();
}

void CUI_TableViewDelegate::tableViewSortDescriptorsDidChange(const Ref<TableView>& tableView,
                                                              const Ref<Array>&) {
    if (!tableView)
        return;
    platform::SortDescriptor::sortArrayUsingDescriptors(*tableData_, tableView->sortDescriptors());
    tableView->reloadData();
}

Ref<platform::PasteboardItem>
CUI_TableViewDelegate::tableViewPasteboardWriterForRow(const Ref<TableView>&, std::int64_t row) {
    if (row < 0 || row >= rowCount())
        return nullptr;
    // A row the archiver cannot carry cannot be dragged.
    auto data = platform::Archiver::archivedDataWithRootObject(tableData_->objectAtIndex(row));
    if (!data)
        return nullptr;
    auto item = std::make_shared<platform::PasteboardItem>();
    item->setDataForType(std::move(data), reorderPasteboardType());
    return item;
}

void CUI_TableViewDelegate::tableViewDraggingSessionWillBeginAtPointForRowIndexes(
    const Ref<TableView>&, const Ref<platform::DraggingSession>&, platform::Point,
    const Ref<platform::IndexSet>& rowIndexes) {
    if (!rowIndexes || rowIndexes->count() == 0)
        return;
    const std::int64_t first = rowIndexes->firstIndex();
    objectRange_ = {first, rowIndexes->lastIndex() - first + 1};
    currentlyDraggedObjects_ = Array::array();
    draggedRows_.clear();
    for (const std::int64_t row : *rowIndexes)
        if (row < rowCount()) {
            currentlyDraggedObjects_->addObject(tableData_->objectAtIndex(row));
            draggedRows_.push_back(row);
        }
}

void CUI_TableViewDelegate::tableViewDraggingSessionEndedAtPointOperation(
    const Ref<TableView>&, const Ref<platform::DraggingSession>&, platform::Point screenPoint,
    std::uint64_t) {
    DialogEventSetPointVal(screenPoint);
    dragSourceIndex_ = -1;
    currentlyDraggedObjects_ = nullptr;
    draggedRows_.clear();
    objectRange_ = {0, 0};
}

std::uint64_t CUI_TableViewDelegate::tableViewValidateDropProposedRowProposedDropOperation(
    const Ref<TableView>& tableView, const Ref<platform::DraggingInfo>& info, std::int64_t,
    std::uint64_t dropOperation) {
    if (dropOperation_ != kAnyDropOperation &&
        static_cast<std::uint64_t>(dropOperation_) != dropOperation)
        return platform::DragOperation::None;
    eventDropOperation_ = dropOperation;
    std::uint64_t operation = platform::DragOperation::Move;
    if (!currentlyDraggedObjects_)
        operation = platform::DragOperation::Copy;
    else if (copyOnly(info))
        operation = allowsDragCopy_ ? platform::DragOperation::Copy : platform::DragOperation::None;
    DialogEventSetLongVal(static_cast<std::int64_t>(operation));
    tableViewForwardEventObject(tableView, TableViewEvent::ValidateDrop, info);
    return static_cast<std::uint64_t>(DialogEventLongVal());
}

bool CUI_TableViewDelegate::tableViewAcceptDropRowDropOperation(
    const Ref<TableView>& tableView, const Ref<platform::DraggingInfo>& info, std::int64_t row,
    std::uint64_t) {
    DialogEventSetBoolVal(true);
    DialogEventSetLongVal(row);
    if (currentlyDraggedObjects_) {
        if (copyOnly(info)) {
            insertCopies(tableView, row);
            return true;
        }
        // Rows dropped among themselves, or just below the last of them, stay where they are.
        if (row >= objectRange_.location && row <= objectRange_.maxRange())
            return false;
        reorder(tableView, row);
        return true;
    }
    const auto files = Array::array();
    const auto pasteboard = info ? info->draggingPasteboard() : nullptr;
    const auto property =
        pasteboard
            ? pasteboard->propertyListForType(*String::fromUtf8(platform::FilenamesPboardType))
            : nullptr;
    if (const auto paths = property ? property->as<Array>() : nullptr)
        for (const auto& path : *paths)
            if (const auto text = path ? path->as<String>() : nullptr)
                files->addObject(platform::URL::fileURLWithPath(*text));
    DialogEventSetArrayObj(files);
    DialogEventSetUrlObj(files->count() ? files->firstObject()->as<platform::URL>() : nullptr);
    tableViewForwardEventObject(tableView, TableViewEvent::AcceptFileDrop, info);
    return true;
}

// Each dragged row in turn goes to the drop row: in front of it when the row stood above it
// (which takes it out of the rows above the drop), else after the rows moved before it.
void CUI_TableViewDelegate::reorder(const Ref<TableView>& tableView, std::int64_t row) {
    std::vector<std::int64_t> positions = draggedRows_;
    if (tableView)
        tableView->beginUpdates();
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const std::int64_t from = positions[i];
        const std::int64_t offset = static_cast<std::int64_t>(i);
        const std::int64_t to = from < row + offset ? row - 1 : row + offset;
        // The program may have taken rows away since the drag began.
        if (from >= rowCount() || to >= rowCount())
            continue;
        const Ref<Object> moved = tableData_->objectAtIndex(from);
        tableData_->removeObjectAtIndex(from);
        tableData_->insertObjectAtIndex(moved, to);
        if (tableView)
            tableView->moveRowAtIndexToIndex(from, to);
        // The rows still to move shift with this one.
        for (std::size_t j = i + 1; j < positions.size(); ++j) {
            std::int64_t& later = positions[j];
            if (later > from)
                --later;
            if (later >= to)
                ++later;
        }
    }
    if (tableView)
        tableView->endUpdates();
}

// Copies of the dragged rows, each read back from its archive as the pasteboard carries it, go
// in at the drop row in the order they were dragged.
void CUI_TableViewDelegate::insertCopies(const Ref<TableView>& tableView, std::int64_t row) {
    std::int64_t at = std::clamp<std::int64_t>(row, 0, rowCount());
    for (const auto& dragged : *currentlyDraggedObjects_) {
        const auto data = platform::Archiver::archivedDataWithRootObject(dragged);
        const auto copy = data ? platform::Archiver::unarchiveObjectWithData(*data) : nullptr;
        if (!copy)
            continue;
        tableData_->insertObjectAtIndex(copy, static_cast<std::size_t>(at));
        if (tableView)
            tableView->insertRowsAtIndexesWithAnimation(*platform::IndexSet::indexSetWithIndex(at),
                                                        platform::TableViewAnimation::EffectGap);
        ++at;
    }
}

void CUI_TableViewDelegate::controlTextDidEndEditing(const Ref<platform::Notification>& notice) {
    const auto served = table();
    const auto field =
        notice && notice->object() ? notice->object()->as<platform::TextField>() : nullptr;
    if (!served || !field)
        return;
    eventRow_ = served->rowForView(*field);
    eventColumn_ = served->columnForView(*field);
    eventColumnIdentifier_ =
        eventColumn_ >= 0 ? served->tableColumns()[eventColumn_]->identifier() : nullptr;
    eventCellString_ = field->stringValue();
    // A number shows as the number stored, which is the old one when the text was none.
    if (const auto number = writeEdit(eventRow_, eventColumnIdentifier_, eventCellString_))
        field->setStringValue(number->description());
    tableViewForwardEventObject(served, TableViewEvent::DidEndEditing, nullptr);
}

Ref<platform::Number> CUI_TableViewDelegate::writeEdit(std::int64_t row,
                                                       const Ref<String>& identifier,
                                                       const Ref<String>& text) {
    if (row < 0 || row >= rowCount() || !text)
        return nullptr;
    const Ref<Object> old = tableData_->objectAtIndex(row);
    if (const auto values = old ? old->as<platform::Dictionary>() : nullptr) {
        const auto value = identifier ? values->objectForKey(identifier) : nullptr;
        const auto edited = editedValue(value, text);
        if (edited)
            values->setObjectForKey(edited, identifier);
        return edited ? edited->as<platform::Number>() : nullptr;
    }
    if (const auto edited = editedValue(old, text)) {
        tableData_->replaceObjectAtIndexWithObject(row, edited);
        return edited->as<platform::Number>();
    }
    if (const auto served = table())
        served->reloadData();
    return nullptr;
}
