#include "platform/views/tables/TableView.h"

#include "platform/app/Event.h"
#include "platform/detail/ViewPeer.h"
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
#include "platform/views/tables/TableViewDataSource.h"
#include "platform/views/tables/TableViewDelegate.h"
#include "platform/windows/Window.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

constexpr const char* kSelectionDidChange = "NSTableViewSelectionDidChangeNotification";
constexpr const char* kColumnDidResize = "NSTableViewColumnDidResizeNotification";

// The table's widget draws the selected rows' highlight under the cell views.
class TableWidget : public detail::ViewWidget<QWidget> {
public:
    using ViewWidget::ViewWidget;

protected:
    void paintEvent(QPaintEvent* event) override {
        auto& table = static_cast<TableView&>(receiver());
        const QPoint offset = table.peer().shownOffset;
        const Rect shown{table.bounds().minX() + offset.x(), table.bounds().minY() + offset.y(),
                         double(width()), double(height())};
        const Range rows = table.rowsInRect(shown);
        const QColor color = palette().color(
            isActiveWindow() ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
        QPainter painter(this);
        for (std::int64_t row = rows.location; row < rows.maxRange(); ++row) {
            if (!table.isRowSelected(row))
                continue;
            const Rect r = table.rectOfRow(row);
            painter.fillRect(
                QRectF(r.minX() - shown.minX(), r.minY() - shown.minY(), r.width(), r.height()),
                color);
        }
        painter.end();
        ViewWidget::paintEvent(event);
    }
};

void copyInto(IndexSet& target, const IndexSet& source) {
    target.removeAllIndexes();
    target.addIndexes(source);
}

} // namespace

TableView::TableView(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)),
      headerView_(std::make_shared<TableHeaderView>()), selection_(IndexSet::indexSet()),
      sortDescriptors_(Array::array()), rowDragging_(std::make_unique<TableRowDragging>(*this)) {
    auto* widget = new TableWidget(*this);
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
    columns_.erase(found);
    column->tableView_.reset();
    columnsDidChange();
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
    columnDidChange();
}

void TableView::setIntercellSpacing(Size spacing) {
    intercellSpacing_ = spacing;
    columnDidChange();
}

void TableView::reloadData() {
    const auto source = dataSource();
    numberOfRows_ =
        source ? std::max<std::int64_t>(0, source->numberOfRowsInTableView(thisTable())) : 0;
    recycleAllRows();
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
    // Ascending, each index is where its row stands once those before it are in.
    for (const std::int64_t row : indexes) {
        if (row > numberOfRows_)
            break;
        selection_->shiftIndexesStartingAtIndexBy(row, 1);
        ++numberOfRows_;
    }
    rowsDidChange();
}

void TableView::removeRowsAtIndexesWithAnimation(const IndexSet& indexes, std::uint64_t) {
    const std::int64_t selected = selection_->count();
    const std::vector<std::int64_t> rows = indexes.indexes();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (*row >= numberOfRows_)
            continue;
        selection_->shiftIndexesStartingAtIndexBy(*row + 1, -1);
        --numberOfRows_;
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
    rowsDidChange();
}

void TableView::rowsDidChange() {
    if (updateDepth_ > 0)
        return;
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
        for (const std::int64_t column : columns) {
            if (column < 0 || column >= std::ssize(shown->second) || !shown->second[column])
                continue;
            recycle(shown->second[column]);
            shown->second[column] = nullptr;
        }
    }
    tile();
}

Rect TableView::rectOfRow(std::int64_t row) const {
    if (row < 0 || row >= numberOfRows_)
        return {};
    return {0, double(row) * rowPitch(), frame().width(), rowPitch()};
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
            std::max(0.0, across.width() - intercellSpacing_.width), rowHeight_};
}

std::int64_t TableView::rowAtPoint(Point point) const {
    if (point.y < 0 || point.x < 0 || point.x >= frame().width() || rowPitch() <= 0)
        return -1;
    const auto row = static_cast<std::int64_t>(point.y / rowPitch());
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
    if (rowPitch() <= 0 || rect.height() <= 0)
        return {};
    const auto first =
        std::max<std::int64_t>(0, std::int64_t(std::floor(rect.minY() / rowPitch())));
    const auto end =
        std::min<std::int64_t>(numberOfRows_, std::int64_t(std::ceil(rect.maxY() / rowPitch())));
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
    if (shown != shown_.end() && column < std::ssize(shown->second) && shown->second[column])
        return shown->second[column];
    return make ? makeCellView(column, row) : nullptr;
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
    for (const auto& [row, cells] : shown_)
        for (std::size_t column = 0; column < cells.size(); ++column)
            if (cells[column] &&
                (cells[column].get() == &view || view.isDescendantOf(*cells[column])))
                return {row, std::int64_t(column)};
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
    return true;
}

Ref<IndexSet> TableView::selectedRowIndexes() const {
    auto copy = IndexSet::indexSet();
    copy->addIndexes(*selection_);
    return copy;
}

std::int64_t TableView::selectedRow() const {
    if (cursorRow_ >= 0 && selection_->containsIndex(cursorRow_))
        return cursorRow_;
    const std::int64_t last = selection_->lastIndex();
    return last == NotFound ? -1 : last;
}

std::int64_t TableView::numberOfSelectedRows() const {
    return selection_->count();
}

bool TableView::isRowSelected(std::int64_t row) const {
    return selection_->containsIndex(row);
}

void TableView::selectRowIndexesByExtendingSelection(const IndexSet& rows, bool extend) {
    IndexSet wanted;
    if (extend)
        wanted.addIndexes(*selection_);
    wanted.addIndexes(rows);
    wanted.removeIndexesInRange({numberOfRows_, NotFound - numberOfRows_});
    if (rows.count() > 0)
        anchorRow_ = cursorRow_ = rows.lastIndex();
    if (wanted.isEqual(*selection_))
        return;
    copyInto(*selection_, wanted);
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
    const Point point = convertPointFromView(event->locationInWindow(), nullptr);
    const std::int64_t row = rowAtPoint(point);
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
    rowDragging_->mouseDragged(event);
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
        Control::keyDown(event);
    }
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
    double height = double(numberOfRows_) * rowPitch();
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
        for (const auto& cell : shown->second)
            recycle(cell);
        shown = shown_.erase(shown);
    }
    for (std::int64_t row = rows.location; row < rows.maxRange(); ++row) {
        // Built aside: the delegate may reload the table while it makes a view.
        std::vector<Ref<View>> cells = std::move(shown_[row]);
        cells.resize(columns_.size());
        for (std::size_t column = 0; column < columns_.size(); ++column) {
            Ref<View>& cell = cells[column];
            if (columns_[column]->isHidden()) {
                recycle(cell);
                cell = nullptr;
                continue;
            }
            if (!cell)
                cell = makeCellView(std::int64_t(column), row);
            if (!cell)
                continue;
            cell->setFrame(frameOfCellAtColumnRow(std::int64_t(column), row));
            if (cell->superview().get() != this)
                addSubview(cell);
            cell->setHidden(false);
        }
        shown_[row] = std::move(cells);
    }
    tiling_ = false;
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
    // Pooled views stay subviews, hidden: taking a widget out of a window costs far more.
    if (const Ref<String> identifier = cell->identifier()) {
        auto& pool = pool_[identifier->utf16()];
        if (pool.size() < std::size_t(rowsInRect(visibleRect()).length + 4)) {
            cell->setHidden(true);
            pool.push_back(cell);
            return;
        }
    }
    if (cell->superview().get() == this)
        cell->removeFromSuperview();
}

void TableView::recycleAllRows() {
    for (const auto& [row, cells] : shown_)
        for (const auto& cell : cells)
            recycle(cell);
    shown_.clear();
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
    if (wanted.isEqual(*selection_) || (wanted.count() == 0 && !allowsEmptySelection_))
        return;
    const auto table = thisTable();
    if (const auto d = delegate()) {
        if (!d->selectionShouldChangeInTableView(table))
            return;
        for (const std::int64_t row : proposed.indexes()) {
            if (selection_->containsIndex(row) || d->tableViewShouldSelectRow(table, row))
                continue;
            // A refused click or key keeps the selection; a refused row of a run is left out.
            if (row == focus)
                return;
            wanted.removeIndex(row);
        }
    }
    if (wanted.isEqual(*selection_))
        return;
    copyInto(*selection_, wanted);
    cursorRow_ = focus;
    selectionDidChange();
}

void TableView::selectionDidChange() {
    peer().widget->update();
    if (const auto d = delegate())
        d->tableViewSelectionDidChange(
            std::make_shared<Notification>(String::fromUtf8(kSelectionDidChange), thisTable()));
}

void TableView::moveSelection(int step, bool extend) {
    if (numberOfRows_ == 0)
        return;
    const std::int64_t from = cursorRow_ >= 0 && isRowSelected(cursorRow_)
                                  ? cursorRow_
                                  : (step > 0 ? selection_->lastIndex() : selection_->firstIndex());
    const std::int64_t target = from == NotFound
                                    ? (step > 0 ? 0 : numberOfRows_ - 1)
                                    : std::clamp<std::int64_t>(from + step, 0, numberOfRows_ - 1);
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
