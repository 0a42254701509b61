#include "platform/views/tables/TableView.h"

#include "platform/app/Event.h"
#include "platform/detail/ColorConversion.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/Graphics.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/IndexSet.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/SortDescriptor.h"
#include "platform/views/ClipView.h"
#include "platform/views/ScrollView.h"
#include "platform/views/TextField.h"
#include "platform/views/tables/TableCellView.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableHeaderView.h"
#include "platform/views/tables/TableRowDragging.h"
#include "platform/views/tables/TableRowView.h"
#include "platform/views/tables/TableViewDataSource.h"
#include "platform/views/tables/TableViewDelegate.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>
#include <cmath>
#include <functional>

namespace platform {

namespace {

constexpr const char* kSelectionDidChange = "NSTableViewSelectionDidChangeNotification";
constexpr const char* kColumnDidResize = "NSTableViewColumnDidResizeNotification";

constexpr const char* kSelectionIsChanging = "NSTableViewSelectionIsChangingNotification";
constexpr const char* kColumnDidMove = "NSTableViewColumnDidMoveNotification";

// Watches the field being edited in a cell. Return is let through to the field first, and when
// it ended the editing the table takes the keyboard back, so that the arrows move the
// selection again; focus leaving the field ends the watch.
class EditingWatch : public QObject {
public:
    EditingWatch(std::function<void()> returned, std::function<void()> left)
        : returned_(std::move(returned)), left_(std::move(left)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusOut) {
            // The window going to the background leaves the field editing.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                left_();
            return false;
        }
        const auto* key =
            event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
        if (!key || resending_ || (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter))
            return false;
        resending_ = true;
        QApplication::sendEvent(watched, event);
        resending_ = false;
        returned_();
        return true;
    }

private:
    std::function<void()> returned_;
    std::function<void()> left_;
    bool resending_ = false;
};

void copyInto(IndexSet& target, const IndexSet& source) {
    target.removeAllIndexes();
    target.addIndexes(source);
}

// Moves an element to another place, those between closing up.
template <class T>
void moveElement(std::vector<T>& elements, std::int64_t from, std::int64_t to) {
    const auto a = elements.begin() + from;
    const auto b = elements.begin() + to;
    if (from < to)
        std::rotate(a, a + 1, b + 1);
    else
        std::rotate(b, a, a + 1);
}

Ref<IndexSet> copyOf(const IndexSet& source) {
    auto copy = IndexSet::indexSet();
    copy->addIndexes(source);
    return copy;
}

// The index chosen last while it is still chosen, else the last one chosen, -1 for none.
std::int64_t lastChosen(const IndexSet& chosen, std::int64_t latest) {
    if (latest >= 0 && chosen.containsIndex(latest))
        return latest;
    const std::int64_t last = chosen.lastIndex();
    return last == NotFound ? -1 : last;
}

// The program's selection of rows or columns: the indexes before count, added to the
// selection when extending it.
Ref<IndexSet> proposedSelection(const IndexSet& selection, const IndexSet& indexes, bool extend,
                                std::int64_t count) {
    auto wanted = IndexSet::indexSet();
    if (extend)
        wanted->addIndexes(selection);
    wanted->addIndexes(indexes);
    wanted->removeIndexesInRange({count, NotFound - count});
    return wanted;
}

// Makes the wanted indexes the selection of rows or of columns; selecting either deselects
// the other. Answers whether anything changed.
bool replaceSelection(IndexSet& selection, IndexSet& other, const IndexSet& wanted) {
    const bool otherSelected = wanted.count() > 0 && other.count() > 0;
    if (wanted.isEqual(selection) && !otherSelected)
        return false;
    if (otherSelected)
        other.removeAllIndexes();
    copyInto(selection, wanted);
    return true;
}

} // namespace

TableView::TableView(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)),
      headerView_(std::make_shared<TableHeaderView>()), selection_(IndexSet::indexSet()),
      columnSelection_(IndexSet::indexSet()), sortDescriptors_(Array::array()),
      rowDragging_(std::make_unique<TableRowDragging>(*this)) {
    auto* widget = new detail::ViewWidget<QWidget>(*this);
    widget->setFocusPolicy(Qt::StrongFocus);
    peer().widget = widget;
    // A table of many rows is far taller than any widget may be: the widget shows only the
    // part in view.
    peer().clipsToSuperview = true;
    setFrame(frame);
}

TableView::~TableView() = default;

void TableView::addTableColumn(const Ref<TableColumn>& column) {
    if (!column)
        return;
    if (const auto other = column->tableView())
        other->removeTableColumn(column);
    columns_.push_back(column);
    column->tableView_ = thisTable();
    columnsDidChange();
}

void TableView::removeTableColumn(const Ref<TableColumn>& column) {
    const auto found = std::find(columns_.begin(), columns_.end(), column);
    if (found == columns_.end())
        return;
    const auto index = std::int64_t(found - columns_.begin());
    columns_.erase(found);
    column->tableView_.reset();
    const bool selected = columnSelection_->containsIndex(index);
    columnSelection_->shiftIndexesStartingAtIndexBy(index + 1, -1);
    columnsDidChange();
    if (selected)
        selectionDidChange();
}

void TableView::moveColumnToColumn(std::int64_t oldIndex, std::int64_t newIndex) {
    if (oldIndex < 0 || newIndex < 0 || oldIndex >= numberOfColumns() ||
        newIndex >= numberOfColumns() || oldIndex == newIndex)
        return;
    moveElement(columns_, oldIndex, newIndex);
    const bool selected = columnSelection_->containsIndex(oldIndex);
    columnSelection_->shiftIndexesStartingAtIndexBy(oldIndex + 1, -1);
    columnSelection_->shiftIndexesStartingAtIndexBy(newIndex, 1);
    if (selected)
        columnSelection_->addIndex(newIndex);
    columnsDidChange();
    if (const auto d = delegate()) {
        auto info = Dictionary::dictionary();
        info->setObjectForKey(Number::numberWithInteger(oldIndex), String::fromUtf8("NSOldColumn"));
        info->setObjectForKey(Number::numberWithInteger(newIndex), String::fromUtf8("NSNewColumn"));
        d->tableViewColumnDidMove(
            std::make_shared<Notification>(String::fromUtf8(kColumnDidMove), thisTable(), info));
    }
}

void TableView::setAllowsColumnReordering(bool value) {
    allowsColumnReordering_ = value;
    if (headerView_)
        headerView_->reloadColumns();
}

std::int64_t TableView::columnWithIdentifier(const Ref<String>& identifier) const {
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const auto& own = columns_[i]->identifier();
        if (own && identifier && own->isEqual(*identifier))
            return std::int64_t(i);
    }
    return -1;
}

Ref<TableColumn> TableView::tableColumnWithIdentifier(const Ref<String>& identifier) const {
    const std::int64_t index = columnWithIdentifier(identifier);
    return index < 0 ? nullptr : columns_[index];
}

void TableView::setHeaderView(Ref<TableHeaderView> header) {
    headerView_ = std::move(header);
    if (headerView_) {
        headerView_->setTableView(thisTable());
        headerView_->reloadColumns();
    }
    const auto clip = std::dynamic_pointer_cast<ClipView>(superview());
    if (const auto scroll =
            clip ? std::dynamic_pointer_cast<ScrollView>(clip->superview()) : nullptr)
        scroll->tile();
}

void TableView::setRowHeight(double height) {
    rowHeight_ = std::max(0.0, height);
    loadRowHeights();
    columnDidChange();
}

void TableView::setIntercellSpacing(Size spacing) {
    intercellSpacing_ = spacing;
    sumRowHeights();
    columnDidChange();
}

double TableView::rowTop(std::int64_t row) const {
    return rowTops_.empty() ? double(row) * rowPitch() : rowTops_[std::size_t(row)];
}

void TableView::loadRowHeights() {
    rowHeights_.clear();
    if (delegate()) {
        rowHeights_.reserve(std::size_t(numberOfRows_));
        for (std::int64_t row = 0; row < numberOfRows_; ++row)
            rowHeights_.push_back(askedHeightOfRow(row));
    }
    sumRowHeights();
}

double TableView::askedHeightOfRow(std::int64_t row) {
    const auto d = delegate();
    const double height = d ? d->tableViewHeightOfRow(thisTable(), row) : rowHeight_;
    // A row of no height could never be found again under the mouse.
    return std::isfinite(height) && height >= 1 ? height : std::max(1.0, rowHeight_);
}

void TableView::sumRowHeights() {
    rowTops_.clear();
    if (rowHeights_.empty())
        return;
    rowTops_.reserve(rowHeights_.size() + 1);
    double top = 0;
    rowTops_.push_back(top);
    for (const double height : rowHeights_)
        rowTops_.push_back(top += height + intercellSpacing_.height);
}

void TableView::noteHeightOfRowsWithIndexesChanged(const IndexSet& rows) {
    if (std::ssize(rowHeights_) != numberOfRows_) {
        loadRowHeights();
    } else {
        for (const std::int64_t row : rows)
            if (row < numberOfRows_)
                rowHeights_[std::size_t(row)] = askedHeightOfRow(row);
        sumRowHeights();
    }
    tile();
    peer().widget->update();
}

bool TableView::isGroupRow(std::int64_t row) {
    const auto d = delegate();
    return d && d->tableViewIsGroupRow(thisTable(), row);
}

void TableView::reloadData() {
    const auto source = dataSource();
    numberOfRows_ =
        source ? std::max<std::int64_t>(0, source->numberOfRowsInTableView(thisTable())) : 0;
    recycleAllRows();
    loadRowHeights();
    const std::int64_t before = selection_->count();
    selection_->removeIndexesInRange({numberOfRows_, NotFound - numberOfRows_});
    tile();
    peer().widget->update();
    if (selection_->count() != before)
        selectionDidChange();
}

void TableView::beginUpdates() {
    ++updateDepth_;
}

void TableView::endUpdates() {
    if (updateDepth_ > 0 && --updateDepth_ == 0)
        rowsDidChange();
}

void TableView::insertRowsAtIndexesWithAnimation(const IndexSet& indexes, std::uint64_t) {
    // Ascending, each run is where its rows stand once those before it are in. A run goes in
    // at once, so that a large one (an outline's item expanding) costs one pass of the rows.
    for (const Range& run : indexes.ranges()) {
        if (run.location > numberOfRows_)
            break;
        selection_->shiftIndexesStartingAtIndexBy(run.location, run.length);
        if (std::ssize(rowHeights_) == numberOfRows_ && delegate()) {
            std::vector<double> heights;
            heights.reserve(std::size_t(run.length));
            for (std::int64_t row = run.location; row < run.maxRange(); ++row)
                heights.push_back(askedHeightOfRow(row));
            rowHeights_.insert(rowHeights_.begin() + run.location, heights.begin(), heights.end());
        }
        numberOfRows_ += run.length;
    }
    rowsDidChange();
}

void TableView::removeRowsAtIndexesWithAnimation(const IndexSet& indexes, std::uint64_t) {
    const std::int64_t selected = selection_->count();
    const std::vector<Range>& runs = indexes.ranges();
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
        const std::int64_t count = std::min(run->length, numberOfRows_ - run->location);
        if (count <= 0)
            continue;
        selection_->shiftIndexesStartingAtIndexBy(run->location + count, -count);
        if (std::ssize(rowHeights_) == numberOfRows_)
            rowHeights_.erase(rowHeights_.begin() + run->location,
                              rowHeights_.begin() + run->location + count);
        numberOfRows_ -= count;
    }
    rowsDidChange();
    if (selection_->count() != selected)
        selectionDidChange();
}

void TableView::moveRowAtIndexToIndex(std::int64_t oldIndex, std::int64_t newIndex) {
    if (oldIndex == newIndex || oldIndex < 0 || newIndex < 0 || oldIndex >= numberOfRows_ ||
        newIndex >= numberOfRows_)
        return;
    const bool selected = selection_->containsIndex(oldIndex);
    selection_->shiftIndexesStartingAtIndexBy(oldIndex + 1, -1);
    selection_->shiftIndexesStartingAtIndexBy(newIndex, 1);
    if (selected)
        selection_->addIndex(newIndex);
    if (std::ssize(rowHeights_) == numberOfRows_)
        moveElement(rowHeights_, oldIndex, newIndex);
    rowsDidChange();
}

void TableView::rowsDidChange() {
    if (updateDepth_ > 0)
        return;
    if (std::ssize(rowHeights_) != numberOfRows_ && (delegate() || !rowHeights_.empty()))
        loadRowHeights();
    else
        sumRowHeights();
    recycleAllRows();
    tile();
    peer().widget->update();
}

void TableView::reloadDataForRowIndexesColumnIndexes(const IndexSet& rows,
                                                     const IndexSet& columns) {
    for (const std::int64_t row : rows) {
        const auto shown = shown_.find(row);
        if (shown == shown_.end())
            continue;
        auto& cells = shown->second.cells;
        for (const std::int64_t column : columns) {
            if (column < 0 || column >= std::ssize(cells) || !cells[column])
                continue;
            recycle(cells[column]);
            cells[column] = nullptr;
        }
    }
    tile();
}

Rect TableView::rectOfRow(std::int64_t row) const {
    if (row < 0 || row >= numberOfRows_)
        return {};
    const double top = rowTop(row);
    return {0, top, frame().width(), rowTop(row + 1) - top};
}

Rect TableView::rectOfColumn(std::int64_t column) const {
    if (column < 0 || column >= numberOfColumns())
        return {};
    double x = 0;
    for (std::int64_t i = 0; i < column; ++i)
        if (!columns_[i]->isHidden())
            x += columns_[i]->width() + intercellSpacing_.width;
    const TableColumn& shown = *columns_[column];
    const double width = shown.isHidden() ? 0 : shown.width() + intercellSpacing_.width;
    return {x, 0, width, frame().height()};
}

Rect TableView::frameOfCellAtColumnRow(std::int64_t column, std::int64_t row) const {
    const Rect across = rectOfColumn(column);
    const Rect down = rectOfRow(row);
    if (across.width() <= 0 || down.height() <= 0)
        return {};
    return {across.minX() + intercellSpacing_.width / 2, down.minY() + intercellSpacing_.height / 2,
            std::max(0.0, across.width() - intercellSpacing_.width),
            std::max(0.0, down.height() - intercellSpacing_.height)};
}

std::int64_t TableView::rowAtPoint(Point point) const {
    if (point.y < 0 || point.x < 0 || point.x >= frame().width())
        return -1;
    std::int64_t row = -1;
    if (!rowTops_.empty())
        row = std::upper_bound(rowTops_.begin(), rowTops_.end(), point.y) - rowTops_.begin() - 1;
    else if (rowPitch() > 0)
        row = static_cast<std::int64_t>(point.y / rowPitch());
    return row < numberOfRows_ ? row : -1;
}

std::int64_t TableView::columnAtPoint(Point point) const {
    for (std::int64_t i = 0; i < numberOfColumns(); ++i) {
        const Rect r = rectOfColumn(i);
        if (r.width() > 0 && point.x >= r.minX() && point.x < r.maxX())
            return i;
    }
    return -1;
}

Range TableView::rowsInRect(Rect rect) const {
    if (rect.height() <= 0)
        return {};
    std::int64_t first = 0;
    std::int64_t end = 0;
    if (!rowTops_.empty()) {
        // The rows that start before the rectangle's bottom and end after its top.
        first = std::upper_bound(rowTops_.begin() + 1, rowTops_.end(), rect.minY()) -
                rowTops_.begin() - 1;
        end =
            std::lower_bound(rowTops_.begin(), rowTops_.end() - 1, rect.maxY()) - rowTops_.begin();
    } else if (rowPitch() > 0) {
        first = std::max<std::int64_t>(0, std::int64_t(std::floor(rect.minY() / rowPitch())));
        end = std::min<std::int64_t>(numberOfRows_,
                                     std::int64_t(std::ceil(rect.maxY() / rowPitch())));
    }
    return {first, std::max<std::int64_t>(0, end - first)};
}

void TableView::scrollRowToVisible(std::int64_t row) {
    const auto clip = std::dynamic_pointer_cast<ClipView>(superview());
    const Rect wanted = rectOfRow(row).offsetBy(frame().minX(), frame().minY());
    if (!clip || wanted.height() <= 0)
        return;
    const Rect visible = clip->bounds();
    double y = visible.minY();
    if (wanted.minY() < y)
        y = wanted.minY();
    else if (wanted.maxY() > visible.maxY())
        y = wanted.maxY() - visible.height();
    if (y != visible.minY())
        clip->scrollToPoint({visible.minX(), y});
}

Ref<View> TableView::viewAtColumnRowMakeIfNecessary(std::int64_t column, std::int64_t row,
                                                    bool make) {
    if (column < 0 || column >= numberOfColumns() || row < 0 || row >= numberOfRows_)
        return nullptr;
    const auto shown = shown_.find(row);
    if (shown != shown_.end()) {
        const ShownRow& views = shown->second;
        if (views.groupView)
            return views.groupView;
        if (column < std::ssize(views.cells) && views.cells[column])
            return views.cells[column];
    }
    if (!make)
        return nullptr;
    return isGroupRow(row) ? makeGroupView(row) : makeCellView(column, row);
}

Ref<TableRowView> TableView::rowViewAtRowMakeIfNecessary(std::int64_t row, bool make) {
    if (row < 0 || row >= numberOfRows_)
        return nullptr;
    if (const auto shown = shown_.find(row); shown != shown_.end())
        return shown->second.rowView;
    if (!make)
        return nullptr;
    ShownRow made = makeRowView(row, false);
    fillRow(row, made);
    return made.rowView;
}

Ref<View> TableView::makeViewWithIdentifierOwner(const Ref<String>& identifier,
                                                 const Ref<Object>&) {
    if (!identifier)
        return nullptr;
    const auto pool = pool_.find(identifier->utf16());
    if (pool == pool_.end() || pool->second.empty())
        return nullptr;
    Ref<View> view = std::move(pool->second.back());
    pool->second.pop_back();
    return view;
}

std::pair<std::int64_t, std::int64_t> TableView::cellHolding(const View& view) const {
    const auto holds = [&view](const Ref<View>& cell) {
        return cell && (cell.get() == &view || view.isDescendantOf(*cell));
    };
    for (const auto& [row, shown] : shown_) {
        if (holds(shown.groupView))
            return {row, -1};
        for (std::size_t column = 0; column < shown.cells.size(); ++column)
            if (holds(shown.cells[column]))
                return {row, std::int64_t(column)};
    }
    return {-1, -1};
}

std::int64_t TableView::rowForView(const View& view) const {
    return cellHolding(view).first;
}

std::int64_t TableView::columnForView(const View& view) const {
    return cellHolding(view).second;
}

bool TableView::editColumnRowWithEventSelect(std::int64_t column, std::int64_t row,
                                             const Ref<Event>&, bool) {
    scrollRowToVisible(row);
    const auto cell = std::dynamic_pointer_cast<TableCellView>(
        viewAtColumnRowMakeIfNecessary(column, row, false));
    const Ref<TextField> field = cell ? cell->textField() : nullptr;
    if (!field || !field->isEditable() || !field->window())
        return false;
    field->selectText();
    watchEditing(field);
    return true;
}

void TableView::watchEditing(const Ref<TextField>& field) {
    editingDidEnd();
    if (!editingWatch_)
        editingWatch_ = std::make_unique<EditingWatch>(
            [this] {
                const auto edited = editedField_.lock();
                const auto window = this->window();
                if (edited && !edited->isEditingText() && window &&
                    window->firstResponder() == edited)
                    window->makeFirstResponder(thisTable());
            },
            [this] { editingDidEnd(); });
    editedField_ = field;
    QWidget* edit = field->peer().widget;
    // A cell's field lets clicks through to the table, except while it is being edited, when
    // a click in it places the insertion point.
    edit->setProperty("tableLetClicksThrough",
                      edit->testAttribute(Qt::WA_TransparentForMouseEvents));
    edit->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    edit->installEventFilter(editingWatch_.get());
}

void TableView::editingDidEnd() {
    const auto field = editedField_.lock();
    editedField_.reset();
    if (!field)
        return;
    QWidget* edit = field->peer().widget;
    edit->removeEventFilter(editingWatch_.get());
    edit->setAttribute(Qt::WA_TransparentForMouseEvents,
                       edit->property("tableLetClicksThrough").toBool());
}

Ref<IndexSet> TableView::selectedRowIndexes() const {
    return copyOf(*selection_);
}

std::int64_t TableView::selectedRow() const {
    return lastChosen(*selection_, cursorRow_);
}

std::int64_t TableView::numberOfSelectedRows() const {
    return selection_->count();
}

bool TableView::isRowSelected(std::int64_t row) const {
    return selection_->containsIndex(row);
}

void TableView::selectRowIndexesByExtendingSelection(const IndexSet& rows, bool extend) {
    const auto wanted = proposedSelection(*selection_, rows, extend, numberOfRows_);
    if (rows.count() > 0)
        anchorRow_ = cursorRow_ = rows.lastIndex();
    if (replaceSelection(*selection_, *columnSelection_, *wanted))
        selectionDidChange();
}

Ref<IndexSet> TableView::selectedColumnIndexes() const {
    return copyOf(*columnSelection_);
}

std::int64_t TableView::selectedColumn() const {
    return lastChosen(*columnSelection_, lastColumn_);
}

bool TableView::isColumnSelected(std::int64_t column) const {
    return columnSelection_->containsIndex(column);
}

void TableView::selectColumnIndexesByExtendingSelection(const IndexSet& columns, bool extend) {
    const auto wanted = proposedSelection(*columnSelection_, columns, extend, numberOfColumns());
    if (columns.count() > 0)
        lastColumn_ = columns.lastIndex();
    if (replaceSelection(*columnSelection_, *selection_, *wanted))
        selectionDidChange();
}

void TableView::deselectColumn(std::int64_t column) {
    if (!columnSelection_->containsIndex(column))
        return;
    columnSelection_->removeIndex(column);
    selectionDidChange();
}

void TableView::deselectRow(std::int64_t row) {
    if (!selection_->containsIndex(row))
        return;
    selection_->removeIndex(row);
    selectionDidChange();
}

void TableView::deselectAll() {
    if (selection_->count() == 0)
        return;
    selection_->removeAllIndexes();
    selectionDidChange();
}

void TableView::setSortDescriptors(Ref<Array> descriptors) {
    const Ref<Array> old = sortDescriptors_;
    sortDescriptors_ = descriptors ? Array::arrayWithArray(*descriptors) : Array::array();
    if (headerView_)
        headerView_->reloadColumns();
    if (sortDescriptors_->isEqual(*old))
        return;
    if (const auto source = dataSource())
        source->tableViewSortDescriptorsDidChange(thisTable(), old);
}

void TableView::mouseDown(const Ref<Event>& event) {
    const auto table = thisTable();
    if (const auto window = this->window())
        window->makeFirstResponder(table);
    // A release that never came still ends the press before.
    mouseUp(event);
    const Point point = convertPointFromView(event->locationInWindow(), nullptr);
    const std::int64_t row = rowAtPoint(point);
    typedSearch_.clear();
    clickedRow_ = row;
    clickedColumn_ = row < 0 ? -1 : columnAtPoint(point);
    rowDragging_->mouseDown(event, row);
    if (event->clickCount() >= 2 && row >= 0) {
        sendAction(doubleAction_);
        editColumnRowWithEventSelect(clickedColumn_, row, event, true);
        return;
    }
    const std::uint64_t flags = event->modifierFlags();
    const bool toggle = (flags & EventModifierFlag::Command) != 0;
    const bool extend = (flags & EventModifierFlag::Shift) != 0;
    IndexSet wanted;
    tracking_ = true;
    trackingRow_ = row;
    if (row < 0) {
        if (toggle || extend)
            return;
    } else if (extend && allowsMultipleSelection_ && anchorRow_ >= 0) {
        const std::int64_t first = std::min(anchorRow_, row);
        wanted.addIndexesInRange({first, std::max(anchorRow_, row) - first + 1});
    } else if (toggle && allowsMultipleSelection_) {
        wanted.addIndexes(*selection_);
        if (wanted.containsIndex(row))
            wanted.removeIndex(row);
        else
            wanted.addIndex(row);
        anchorRow_ = row;
    } else if (!(toggle && isRowSelected(row))) {
        // Ctrl+click on the one selected row deselects it; any other click selects the row.
        wanted.addIndex(row);
        anchorRow_ = row;
    }
    userSelect(wanted, row);
    sendAction();
}

void TableView::mouseDragged(const Ref<Event>& event) {
    // Once the rows are being dragged the press no longer selects.
    if (rowDragging_->mouseDragged(event))
        return mouseUp(event);
    if (!tracking_ || trackingRow_ < 0 || numberOfRows_ == 0)
        return;
    const Point point = convertPointFromView(event->locationInWindow(), nullptr);
    // Above or below the rows the drag reaches the first or the last row.
    std::int64_t row = rowAtPoint({0, point.y});
    if (row < 0)
        row = point.y < 0 ? 0 : numberOfRows_ - 1;
    IndexSet wanted;
    if (allowsMultipleSelection_) {
        const std::int64_t first = std::min(trackingRow_, row);
        wanted.addIndexesInRange({first, std::max(trackingRow_, row) - first + 1});
    } else {
        wanted.addIndex(row);
    }
    userSelect(wanted, row);
    scrollRowToVisible(row);
}

void TableView::mouseUp(const Ref<Event>&) {
    if (!tracking_)
        return;
    tracking_ = false;
    trackingRow_ = -1;
    if (changedWhileTracking_) {
        changedWhileTracking_ = false;
        selectionDidChange();
    }
}

std::uint64_t TableView::draggingSourceOperationMaskForLocal(bool isLocal) const {
    return rowDragging_->sourceOperationMask(isLocal);
}
void TableView::setDraggingSourceOperationMaskForLocal(std::uint64_t mask, bool isLocal) {
    rowDragging_->setSourceOperationMask(mask, isLocal);
}
void TableView::setDropRowDropOperation(std::int64_t row, std::uint64_t dropOperation) {
    rowDragging_->setDropRowDropOperation(row, dropOperation);
}
std::uint64_t TableView::draggingEntered(const Ref<DraggingInfo>& sender) {
    return rowDragging_->draggingUpdated(sender);
}
std::uint64_t TableView::draggingUpdated(const Ref<DraggingInfo>& sender) {
    return rowDragging_->draggingUpdated(sender);
}
void TableView::draggingExited(const Ref<DraggingInfo>&) {
    rowDragging_->draggingExited();
}
bool TableView::performDragOperation(const Ref<DraggingInfo>& sender) {
    return rowDragging_->performDragOperation(sender);
}

void TableView::keyDown(const Ref<Event>& event) {
    const bool extend = (event->modifierFlags() & EventModifierFlag::Shift) != 0;
    switch (event->keyCode()) {
    case KeyCode::UpArrow:
        moveSelection(-1, extend);
        break;
    case KeyCode::DownArrow:
        moveSelection(1, extend);
        break;
    case KeyCode::Return:
        for (std::int64_t column = 0; column < numberOfColumns(); ++column)
            if (editColumnRowWithEventSelect(column, selectedRow(), event, true))
                return;
        Control::keyDown(event);
        break;
    default:
        if (!typeSelect(event))
            Control::keyDown(event);
        return;
    }
    typedSearch_.clear();
}

bool TableView::typeSelect(const Ref<Event>& event) {
    const Ref<String> typed = event->characters();
    constexpr std::uint64_t shortcut =
        EventModifierFlag::Command | EventModifierFlag::Control | EventModifierFlag::Option;
    if (!allowsTypeSelect_ || !typed || typed->utf16().empty() ||
        (event->modifierFlags() & shortcut) != 0)
        return false;
    // Function keys bring characters of the private use area; neither they nor control
    // characters are typed text.
    for (const char16_t c : typed->utf16())
        if (c < 0x20 || c == 0x7f || (c >= 0xe000 && c <= 0xf8ff))
            return false;
    const bool continuing =
        !typedSearch_.empty() &&
        event->timestamp() - typedAt_ <= QApplication::keyboardInputInterval() / 1000.0;
    const std::u16string search = (continuing ? typedSearch_ : std::u16string()) + typed->utf16();
    const auto table = thisTable();
    if (const auto d = delegate();
        d && !d->tableViewShouldTypeSelectForEventWithCurrentSearchString(table, event,
                                                                          String::create(search)))
        return false;
    typedSearch_ = search;
    typedAt_ = event->timestamp();
    const auto first = std::find_if(columns_.begin(), columns_.end(),
                                    [](const auto& column) { return !column->isHidden(); });
    if (first == columns_.end() || numberOfRows_ == 0)
        return true;
    const auto source = dataSource();
    const QString wanted = QString::fromStdU16String(search);
    // A longer search may still match the selected row; a new one starts after it.
    const std::int64_t selected = selectedRow();
    const std::int64_t start = selected < 0 ? 0 : selected + (continuing ? 0 : 1);
    for (std::int64_t i = 0; i < numberOfRows_; ++i) {
        const std::int64_t row = (start + i) % numberOfRows_;
        Ref<Object> value =
            source ? source->tableViewObjectValueForTableColumnRow(table, *first, row) : nullptr;
        if (!value) {
            const auto cell = std::dynamic_pointer_cast<TableCellView>(
                viewAtColumnRowMakeIfNecessary(first - columns_.begin(), row, false));
            value = cell && cell->textField() ? cell->textField()->stringValue() : nullptr;
        }
        const Ref<String> text = value ? value->description() : nullptr;
        if (!text ||
            !QString::fromStdU16String(text->utf16()).startsWith(wanted, Qt::CaseInsensitive))
            continue;
        IndexSet one;
        one.addIndex(row);
        anchorRow_ = row;
        userSelect(one, row);
        scrollRowToVisible(row);
        break;
    }
    return true;
}

void TableView::drawRect(Rect dirtyRect) {
    if (columnSelection_->count() == 0)
        return;
    detail::fromQColor(peer().widget->palette().color(QPalette::Highlight))->set();
    for (const std::int64_t column : *columnSelection_)
        RectFill(rectOfColumn(column).intersection(dirtyRect));
}

void TableView::prepareContentInRect(Rect) {
    tile();
}

void TableView::viewDidMoveToWindow() {
    Control::viewDidMoveToWindow();
    tile();
}

void TableView::columnDidChange() {
    if (headerView_)
        headerView_->reloadColumns();
    tile();
    peer().widget->update();
}

void TableView::headerPressedColumn(std::int64_t column) {
    if (column < 0 || column >= numberOfColumns())
        return;
    if (const auto d = delegate())
        d->tableViewMouseDownInHeaderOfTableColumn(thisTable(), columns_[column]);
}

void TableView::headerClickedColumn(std::int64_t column) {
    if (column < 0 || column >= numberOfColumns())
        return;
    const auto table = thisTable();
    const Ref<TableColumn> clicked = columns_[column];
    if (allowsColumnSelection_) {
        const auto d = delegate();
        if (!d || d->tableViewShouldSelectTableColumn(table, clicked)) {
            IndexSet one;
            one.addIndex(column);
            selectColumnIndexesByExtendingSelection(one, false);
        }
    }
    if (const auto prototype = clicked->sortDescriptorPrototype()) {
        // A click on the column sorted by first turns its order round; a click on another puts
        // its order first, ahead of the earlier ones.
        const auto first =
            sortDescriptors_->count() > 0
                ? std::dynamic_pointer_cast<SortDescriptor>(sortDescriptors_->firstObject())
                : nullptr;
        auto descriptors = Array::array();
        descriptors->addObject(first && first->key() == prototype->key()
                                   ? first->reversedSortDescriptor()
                                   : prototype);
        for (const auto& each : *sortDescriptors_) {
            const auto descriptor = std::dynamic_pointer_cast<SortDescriptor>(each);
            if (!descriptor || descriptor->key() != prototype->key())
                descriptors->addObject(each);
        }
        setSortDescriptors(descriptors);
    }
    if (const auto d = delegate())
        d->tableViewDidClickTableColumn(table, clicked);
}

void TableView::headerMovedColumn(std::int64_t oldIndex, std::int64_t newIndex) {
    const auto d = delegate();
    const auto table = thisTable();
    if (!allowsColumnReordering_ || oldIndex < 0 || oldIndex >= numberOfColumns() ||
        (d && !d->tableViewShouldReorderColumnToColumn(table, oldIndex, newIndex))) {
        // The header shows the columns as they stay.
        if (headerView_)
            headerView_->reloadColumns();
        return;
    }
    const Ref<TableColumn> moved = columns_[oldIndex];
    moveColumnToColumn(oldIndex, newIndex);
    if (d)
        d->tableViewDidDragTableColumn(table, moved);
}

bool TableView::userCanChangeVisibilityOfColumn(std::int64_t column) {
    const auto d = delegate();
    return d && column >= 0 && column < numberOfColumns() &&
           d->tableViewUserCanChangeVisibilityOfTableColumn(thisTable(), columns_[column]);
}

void TableView::headerToggledColumn(std::int64_t column) {
    if (!userCanChangeVisibilityOfColumn(column))
        return;
    const Ref<TableColumn> toggled = columns_[column];
    toggled->setHidden(!toggled->isHidden());
    if (const auto d = delegate()) {
        auto changed = Array::array();
        changed->addObject(toggled);
        d->tableViewUserDidChangeVisibilityOfTableColumns(thisTable(), changed);
    }
}

void TableView::headerResizedColumn(std::int64_t column, double width) {
    if (column < 0 || column >= numberOfColumns())
        return;
    const auto table = thisTable();
    const Ref<TableColumn> resized = columns_[column];
    const double old = resized->width();
    resized->setWidth(width - intercellSpacing_.width);
    if (resized->width() == old)
        return;
    if (const auto d = delegate()) {
        auto info = Dictionary::dictionary();
        info->setObjectForKey(resized, String::fromUtf8("NSTableColumn"));
        info->setObjectForKey(Number::numberWithDouble(old), String::fromUtf8("NSOldWidth"));
        d->tableViewColumnDidResize(
            std::make_shared<Notification>(String::fromUtf8(kColumnDidResize), table, info));
    }
}

Rect TableView::visibleRect() const {
    const auto parent = superview();
    if (const auto clip = std::dynamic_pointer_cast<ClipView>(parent))
        return clip->documentVisibleRect();
    // Out of a window nothing is seen, so no cells are made for a table being set up.
    if (!parent || !window())
        return {};
    const Rect around = parent->bounds();
    const Point a = convertPointFromView(around.origin, parent.get());
    const Point b = convertPointFromView({around.maxX(), around.maxY()}, parent.get());
    const Rect seen{std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x),
                    std::abs(b.y - a.y)};
    return seen.intersection(bounds());
}

void TableView::sizeToRows() {
    double width = 0;
    for (std::int64_t i = 0; i < numberOfColumns(); ++i)
        width += rectOfColumn(i).width();
    double height = rowTop(numberOfRows_);
    // The rows fill the clip view at least, so that a click below the last row is the table's.
    if (const auto clip = std::dynamic_pointer_cast<ClipView>(superview())) {
        width = std::max(width, clip->bounds().width());
        height = std::max(height, clip->bounds().height());
    }
    if (Size{width, height} != frame().size)
        setFrameSize({width, height});
}

void TableView::tile() {
    if (tiling_)
        return;
    tiling_ = true;
    sizeToRows();
    const Range rows = rowsInRect(visibleRect());
    for (auto shown = shown_.begin(); shown != shown_.end();) {
        if (rows.contains(shown->first)) {
            ++shown;
            continue;
        }
        ShownRow gone = std::move(shown->second);
        const std::int64_t row = shown->first;
        shown = shown_.erase(shown);
        recycleRow(row, gone);
    }
    for (std::int64_t row = rows.location; row < rows.maxRange(); ++row) {
        // Built aside: the delegate may reload the table while it makes a view.
        const auto found = shown_.find(row);
        const bool added = found == shown_.end();
        ShownRow views = added ? makeRowView(row, true) : std::move(found->second);
        fillRow(row, views);
        if (views.rowView->superview().get() != this)
            addSubview(views.rowView);
        views.rowView->setHidden(false);
        const Ref<TableRowView> rowView = views.rowView;
        shown_[row] = std::move(views);
        if (const auto d = delegate(); d && added)
            d->tableViewDidAddRowViewForRow(thisTable(), rowView, row);
    }
    tiling_ = false;
}

TableView::ShownRow TableView::makeRowView(std::int64_t row, bool fromPool) {
    ShownRow made;
    if (const auto d = delegate())
        made.rowView = d->tableViewRowViewForRow(thisTable(), row);
    if (!made.rowView && fromPool && !rowViewPool_.empty()) {
        made.rowView = std::move(rowViewPool_.back());
        rowViewPool_.pop_back();
        made.ownRowView = true;
    }
    if (!made.rowView) {
        made.rowView = std::make_shared<TableRowView>();
        made.ownRowView = fromPool;
    }
    made.rowView->setGroupRowStyle(isGroupRow(row));
    return made;
}

void TableView::fillRow(std::int64_t row, ShownRow& shown) {
    TableRowView& rowView = *shown.rowView;
    const Rect rowRect = rectOfRow(row);
    rowView.setFrame(rowRect);
    const auto place = [&rowView](const Ref<View>& view, Rect frame) {
        view->setFrame(frame);
        if (view->superview().get() != &rowView)
            rowView.addSubview(view);
        view->setHidden(false);
    };
    if (rowView.isGroupRowStyle()) {
        for (const auto& cell : shown.cells)
            recycle(cell);
        shown.cells.clear();
        if (!shown.groupView)
            shown.groupView = makeGroupView(row);
        if (shown.groupView)
            place(shown.groupView, {0, intercellSpacing_.height / 2, rowRect.width(),
                                    std::max(0.0, rowRect.height() - intercellSpacing_.height)});
    } else {
        shown.cells.resize(columns_.size());
        for (std::size_t column = 0; column < columns_.size(); ++column) {
            Ref<View>& cell = shown.cells[column];
            if (columns_[column]->isHidden()) {
                recycle(cell);
                cell = nullptr;
                continue;
            }
            if (!cell)
                cell = makeCellView(std::int64_t(column), row);
            if (cell)
                place(
                    cell,
                    frameOfCellAtColumnRow(std::int64_t(column), row).offsetBy(0, -rowRect.minY()));
        }
    }
    rowView.setSelected(isRowSelected(row));
    didFillRow(row, rowView);
}

void TableView::didFillRow(std::int64_t, TableRowView&) {}

Ref<View> TableView::makeGroupView(std::int64_t row) {
    const auto d = delegate();
    return d ? d->tableViewViewForTableColumnRow(thisTable(), nullptr, row) : nullptr;
}

Ref<View> TableView::makeCellView(std::int64_t column, std::int64_t row) {
    const auto table = thisTable();
    const Ref<TableColumn> shown = columns_[column];
    Ref<View> view;
    if (const auto d = delegate())
        view = d->tableViewViewForTableColumnRow(table, shown, row);
    const bool fromDelegate = view != nullptr;
    if (!view)
        view = makeViewWithIdentifierOwner(shown->identifier(), nullptr);
    if (!view) {
        view =
            TableCellView::makeTextCell(frameOfCellAtColumnRow(column, row), shown->isEditable());
        view->setIdentifier(shown->identifier());
    }
    const auto source = dataSource();
    const Ref<Object> value =
        source ? source->tableViewObjectValueForTableColumnRow(table, shown, row) : nullptr;
    const auto cell = std::dynamic_pointer_cast<TableCellView>(view);
    if (!cell)
        return view;
    // A view the table took itself always shows the row's value, so that a reused one shows
    // nothing of the row it showed before, and can be edited as its column says now.
    if (value || !fromDelegate)
        cell->setObjectValue(value);
    if (const auto field = cell->textField(); field && !fromDelegate) {
        field->setEditable(shown->isEditable());
        field->setSelectable(shown->isEditable());
    }
    return view;
}

void TableView::recycle(const Ref<View>& cell) {
    if (!cell)
        return;
    // Pooled views stay in their row views, hidden: taking a widget out of a window costs far
    // more. A row view taken from the pool usually gets its own cells back.
    if (const Ref<String> identifier = cell->identifier()) {
        auto& pool = pool_[identifier->utf16()];
        if (pool.size() < std::size_t(rowsInRect(visibleRect()).length + 4)) {
            cell->setHidden(true);
            pool.push_back(cell);
            return;
        }
    }
    cell->removeFromSuperview();
}

void TableView::recycleRow(std::int64_t row, ShownRow& shown) {
    for (const auto& cell : shown.cells)
        recycle(cell);
    recycle(shown.groupView);
    if (shown.ownRowView &&
        rowViewPool_.size() < std::size_t(rowsInRect(visibleRect()).length + 4)) {
        shown.rowView->setHidden(true);
        rowViewPool_.push_back(shown.rowView);
    } else {
        shown.rowView->removeFromSuperview();
    }
    if (const auto d = delegate())
        d->tableViewDidRemoveRowViewForRow(thisTable(), shown.rowView, row);
}

void TableView::recycleAllRows() {
    auto shown = std::move(shown_);
    shown_.clear();
    for (auto& [row, views] : shown)
        recycleRow(row, views);
}

void TableView::columnsDidChange() {
    recycleAllRows();
    if (headerView_) {
        headerView_->setTableView(thisTable());
        headerView_->reloadColumns();
    }
    tile();
    peer().widget->update();
}

void TableView::userSelect(const IndexSet& proposed, std::int64_t focus) {
    IndexSet wanted;
    wanted.addIndexes(proposed);
    wanted.removeIndexesInRange({numberOfRows_, NotFound - numberOfRows_});
    const bool columnsSelected = wanted.count() > 0 && columnSelection_->count() > 0;
    if ((wanted.isEqual(*selection_) && !columnsSelected) ||
        (wanted.count() == 0 && !allowsEmptySelection_))
        return;
    const auto table = thisTable();
    if (const auto d = delegate()) {
        if (!d->selectionShouldChangeInTableView(table))
            return;
        for (const std::int64_t row : wanted.indexes()) {
            // Group rows are headings, which the user does not select.
            if (!d->tableViewIsGroupRow(table, row) &&
                (selection_->containsIndex(row) || d->tableViewShouldSelectRow(table, row)))
                continue;
            // A refused click or key keeps the selection; a refused row of a run is left out.
            if (row == focus)
                return;
            wanted.removeIndex(row);
        }
    }
    if (!replaceSelection(*selection_, *columnSelection_, wanted))
        return;
    cursorRow_ = focus;
    selectionDidChange();
}

void TableView::selectionDidChange() {
    peer().widget->update();
    for (const auto& [row, shown] : shown_)
        shown.rowView->setSelected(isRowSelected(row));
    const auto d = delegate();
    if (tracking_) {
        changedWhileTracking_ = true;
        if (d)
            d->tableViewSelectionIsChanging(std::make_shared<Notification>(
                String::fromUtf8(kSelectionIsChanging), thisTable()));
        return;
    }
    if (d)
        d->tableViewSelectionDidChange(
            std::make_shared<Notification>(String::fromUtf8(kSelectionDidChange), thisTable()));
}

void TableView::moveSelection(int step, bool extend) {
    if (numberOfRows_ == 0)
        return;
    const std::int64_t from = cursorRow_ >= 0 && isRowSelected(cursorRow_)
                                  ? cursorRow_
                                  : (step > 0 ? selection_->lastIndex() : selection_->firstIndex());
    std::int64_t target = from == NotFound ? (step > 0 ? 0 : numberOfRows_ - 1) : from + step;
    // The arrows pass over group rows, which are headings.
    while (target >= 0 && target < numberOfRows_ && isGroupRow(target))
        target += step;
    if (target < 0 || target >= numberOfRows_)
        target = from == NotFound ? -1 : from;
    if (target < 0)
        return;
    IndexSet wanted;
    if (extend && allowsMultipleSelection_ && anchorRow_ >= 0 && anchorRow_ < numberOfRows_) {
        const std::int64_t first = std::min(anchorRow_, target);
        wanted.addIndexesInRange({first, std::max(anchorRow_, target) - first + 1});
    } else {
        wanted.addIndex(target);
        anchorRow_ = target;
    }
    userSelect(wanted, target);
    scrollRowToVisible(target);
}

} // namespace platform
