#include "platform/views/tables/TableRowDragging.h"

#include "platform/app/DraggingInfo.h"
#include "platform/app/DraggingItem.h"
#include "platform/app/DraggingSession.h"
#include "platform/app/Event.h"
#include "platform/app/PasteboardItem.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/IndexSet.h"
#include "platform/views/tables/TableView.h"
#include "platform/views/tables/TableViewDataSource.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QPainter>

#include <cmath>

namespace platform {

namespace {

// Drawn over the cell views: a line in the gap above a row, or an outline round a row.
class DropIndicator : public QWidget {
public:
    explicit DropIndicator(QWidget* table) : QWidget(table) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void showAt(QRect rect, bool outline) {
        outline_ = outline;
        setGeometry(rect);
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QColor color = palette().color(QPalette::Highlight);
        if (outline_)
            painter.setPen(QPen(color, 2));
        else
            painter.setBrush(color);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }

private:
    bool outline_ = false;
};

} // namespace

TableRowDragging::TableRowDragging(TableView& table)
    : table_(table), localMask_(DragOperation::Every), outsideMask_(DragOperation::Copy) {}

TableRowDragging::~TableRowDragging() = default;

Ref<TableView> TableRowDragging::table() const {
    return std::static_pointer_cast<TableView>(table_.weak_from_this().lock());
}

void TableRowDragging::mouseDown(const Ref<Event>& event, std::int64_t row) {
    pressedRow_ = event->clickCount() < 2 ? row : -1;
    pressedAt_ = event->locationInWindow();
    if (pressedRow_ >= 0)
        pressedRows_ = table_.isRowSelected(row) ? table_.selectedRowIndexes()
                                                 : IndexSet::indexSetWithIndex(row);
}

bool TableRowDragging::mouseDragged(const Ref<Event>& event) {
    const auto dataSource = table_.dataSource();
    const Point at = event->locationInWindow();
    if (pressedRow_ < 0 || !dataSource ||
        std::hypot(at.x - pressedAt_.x, at.y - pressedAt_.y) < QApplication::startDragDistance())
        return false;
    pressedRow_ = -1;
    const auto table = this->table();
    const auto rows = IndexSet::indexSet();
    std::vector<Ref<DraggingItem>> items;
    for (const std::int64_t row : *pressedRows_)
        if (auto item = dataSource->tableViewPasteboardWriterForRow(table, row)) {
            rows->addIndex(row);
            items.push_back(std::make_shared<DraggingItem>(std::move(item), table_.rectOfRow(row)));
        }
    if (items.empty())
        return false;
    // The press selected the pressed row alone; a drag of the selection keeps it selected.
    if (pressedRows_->count() > 1 && !pressedRows_->isEqual(*table_.selectedRowIndexes()))
        table_.selectRowIndexesByExtendingSelection(*pressedRows_, false);
    draggedRows_ = rows;
    const std::shared_ptr<DraggingSource> source(table, this);
    if (DraggingSession::beginDraggingSession(table_, std::move(items), event, source))
        return true;
    draggedRows_ = nullptr;
    return false;
}

std::uint64_t TableRowDragging::sourceOperationMask(bool isLocal) const {
    return isLocal ? localMask_ : outsideMask_;
}

void TableRowDragging::setSourceOperationMask(std::uint64_t mask, bool isLocal) {
    (isLocal ? localMask_ : outsideMask_) = mask;
}

std::uint64_t
TableRowDragging::draggingSessionSourceOperationMaskForDraggingContext(const Ref<DraggingSession>&,
                                                                       DraggingContext context) {
    return sourceOperationMask(context == DraggingContext::WithinApplication);
}

void TableRowDragging::draggingSessionWillBeginAtPoint(const Ref<DraggingSession>& session,
                                                       Point screenPoint) {
    if (const auto dataSource = table_.dataSource())
        dataSource->tableViewDraggingSessionWillBeginAtPointForRowIndexes(
            table(), session, screenPoint, draggedRows_);
}

void TableRowDragging::draggingSessionEndedAtPointOperation(const Ref<DraggingSession>& session,
                                                            Point screenPoint,
                                                            std::uint64_t operation) {
    draggedRows_ = nullptr;
    if (const auto dataSource = table_.dataSource())
        dataSource->tableViewDraggingSessionEndedAtPointOperation(table(), session, screenPoint,
                                                                  operation);
}

std::uint64_t TableRowDragging::draggingUpdated(const Ref<DraggingInfo>& info) {
    const auto dataSource = table_.dataSource();
    if (!dataSource) {
        hideIndicator();
        return DragOperation::None;
    }
    const Point at = table_.convertPointFromView(info->draggingLocation(), nullptr);
    const std::int64_t rows = table_.numberOfRows();
    const std::int64_t row = table_.rowAtPoint(at);
    dropOperation_ = TableViewDropOperation::Above;
    if (row < 0) {
        dropRow_ = rows > 0 && at.y < table_.rectOfRow(0).minY() ? 0 : rows;
    } else {
        // A quarter of the row at either edge means the gap there.
        const Rect rect = table_.rectOfRow(row);
        const double edge = rect.height() / 4;
        dropRow_ = at.y >= rect.maxY() - edge ? row + 1 : row;
        if (at.y >= rect.minY() + edge && at.y < rect.maxY() - edge)
            dropOperation_ = TableViewDropOperation::On;
    }
    const std::uint64_t operation =
        dataSource->tableViewValidateDropProposedRowProposedDropOperation(table(), info, dropRow_,
                                                                          dropOperation_);
    if (operation == DragOperation::None)
        hideIndicator();
    else
        showIndicator();
    return operation;
}

void TableRowDragging::draggingExited() {
    hideIndicator();
    dropRow_ = -1;
}

bool TableRowDragging::performDragOperation(const Ref<DraggingInfo>& info) {
    hideIndicator();
    const auto dataSource = table_.dataSource();
    const std::int64_t row = std::exchange(dropRow_, -1);
    return dataSource &&
           dataSource->tableViewAcceptDropRowDropOperation(table(), info, row, dropOperation_);
}

void TableRowDragging::setDropRowDropOperation(std::int64_t row, std::uint64_t dropOperation) {
    dropRow_ = row;
    dropOperation_ = dropOperation;
}

void TableRowDragging::showIndicator() {
    QWidget* widget = table_.peer().widget;
    if (!widget)
        return;
    if (!indicator_)
        indicator_ = new DropIndicator(widget);
    const bool on = dropOperation_ == TableViewDropOperation::On;
    Rect rect;
    if (dropRow_ < 0 || dropRow_ > table_.numberOfRows()) {
        rect = table_.bounds();
    } else if (on) {
        rect = table_.rectOfRow(dropRow_);
    } else {
        // The line lies in the gap above the row, or below the last row.
        const std::int64_t rows = table_.numberOfRows();
        const double y = dropRow_ < rows ? table_.rectOfRow(dropRow_).minY()
                         : rows > 0      ? table_.rectOfRow(rows - 1).maxY()
                                         : 0;
        rect = {0, y - 1.5, table_.bounds().width(), 3};
    }
    const QPoint offset = table_.peer().shownOffset;
    const Rect bounds = table_.bounds();
    static_cast<DropIndicator*>(indicator_)
        ->showAt(QRect(static_cast<int>(rect.minX() - bounds.minX()) - offset.x(),
                       static_cast<int>(rect.minY() - bounds.minY()) - offset.y(),
                       static_cast<int>(rect.width()), static_cast<int>(std::ceil(rect.height()))),
                 on || dropRow_ < 0);
}

void TableRowDragging::hideIndicator() {
    if (indicator_)
        indicator_->hide();
}

} // namespace platform
