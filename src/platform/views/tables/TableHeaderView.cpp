#include "platform/views/tables/TableHeaderView.h"

#include "platform/detail/QtStrings.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/SortDescriptor.h"
#include "platform/views/tables/TableColumn.h"
#include "platform/views/tables/TableView.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QPointer>
#include <QStandardItemModel>

namespace platform {

struct TableHeaderView::Toolkit {
    // Offers, on the header's context menu, to hide and show the columns the table's delegate
    // lets the user hide.
    class VisibilityMenu : public QObject {
    public:
        explicit VisibilityMenu(TableHeaderView& header) : header_(header) {}

    protected:
        bool eventFilter(QObject* watched, QEvent* event) override {
            const auto table = header_.tableView();
            if (event->type() != QEvent::ContextMenu || !table)
                return false;
            auto* menu = new QMenu(qobject_cast<QWidget*>(watched));
            menu->setAttribute(Qt::WA_DeleteOnClose);
            const auto& columns = table->tableColumns();
            for (std::size_t i = 0; i < columns.size(); ++i) {
                if (!header_.userCanChangeVisibilityOfColumn(std::int64_t(i)))
                    continue;
                QAction* action = menu->addAction(detail::toQString(columns[i]->title()));
                action->setCheckable(true);
                action->setChecked(!columns[i]->isHidden());
                const WeakRef<TableView> weak = table;
                QObject::connect(action, &QAction::triggered, menu, [weak, i] {
                    if (const auto shown = weak.lock())
                        shown->headerToggledColumn(std::int64_t(i));
                });
            }
            if (menu->isEmpty()) {
                delete menu;
                return false;
            }
            menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }

    private:
        TableHeaderView& header_;
    };

    QHeaderView* header = nullptr;
    // The header shows the sections of a model's columns; only their titles are used.
    QStandardItemModel* model = nullptr;
    // Guarded: it goes with the toolkit's header should that go first.
    QPointer<VisibilityMenu> visibilityMenu;
    // Set while the platform sizes the sections, which then report nothing.
    bool programmatic = false;
};

TableHeaderView::TableHeaderView(Rect frame)
    : View(frame, std::make_unique<ViewPeer>(nullptr)), toolkit_(std::make_unique<Toolkit>()) {
    auto* header = new detail::ViewWidget<QHeaderView>(*this, Qt::Horizontal);
    peer().widget = header;
    toolkit_->header = header;
    toolkit_->model = new QStandardItemModel(header);
    header->setModel(toolkit_->model);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicatorClearable(true);
    header->setStretchLastSection(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setMinimumSectionSize(0);
    toolkit_->visibilityMenu = new Toolkit::VisibilityMenu(*this);
    toolkit_->visibilityMenu->setParent(header);
    header->viewport()->installEventFilter(toolkit_->visibilityMenu);
    if (frame.height() <= 0) {
        toolkit_->model->setColumnCount(1);
        frame.size.height = header->sizeHint().height();
        toolkit_->model->setColumnCount(0);
    }
    setFrame(frame);
    QObject::connect(header, &QHeaderView::sectionPressed, header, [this](int index) {
        if (const auto table = tableView())
            table->headerPressedColumn(index);
    });
    QObject::connect(header, &QHeaderView::sectionClicked, header, [this](int index) {
        if (const auto table = tableView())
            table->headerClickedColumn(index);
    });
    QObject::connect(header, &QHeaderView::sectionResized, header,
                     [this](int index, int, int width) {
                         if (toolkit_->programmatic)
                             return;
                         if (const auto table = tableView())
                             table->headerResizedColumn(index, width);
                     });
    QObject::connect(header, &QHeaderView::sectionMoved, header,
                     [this](int, int oldVisual, int newVisual) {
                         if (toolkit_->programmatic)
                             return;
                         if (const auto table = tableView())
                             table->headerMovedColumn(oldVisual, newVisual);
                     });
    // The header keeps the order the table has: the indicator follows the sort descriptors.
    QObject::connect(header, &QHeaderView::sortIndicatorChanged, header,
                     [this](int, Qt::SortOrder) {
                         if (!toolkit_->programmatic)
                             reloadColumns();
                     });
}

// The toolkit's header outlives this object's members and still delivers events while it goes;
// its watch over the context menu, which asks this header, goes first.
TableHeaderView::~TableHeaderView() {
    delete toolkit_->visibilityMenu;
}

std::int64_t TableHeaderView::columnAtPoint(Point point) const {
    return toolkit_->header->logicalIndexAt(static_cast<int>(point.x - bounds().minX()));
}

bool TableHeaderView::userCanChangeVisibilityOfColumn(std::int64_t column) const {
    const auto table = tableView();
    return table && table->userCanChangeVisibilityOfColumn(column);
}

Rect TableHeaderView::headerRectOfColumn(std::int64_t column) const {
    const auto table = tableView();
    if (!table || column < 0 || column >= table->numberOfColumns())
        return {};
    const Rect columnRect = table->rectOfColumn(column);
    return {columnRect.minX(), bounds().minY(), columnRect.width(), bounds().height()};
}

void TableHeaderView::reloadColumns() {
    const auto table = tableView();
    QHeaderView& header = *toolkit_->header;
    toolkit_->programmatic = true;
    const auto& columns = table ? table->tableColumns() : std::vector<Ref<TableColumn>>{};
    toolkit_->model->setColumnCount(static_cast<int>(columns.size()));
    // The table keeps its columns in the order they are shown; the header shows them so, each
    // section where its column is.
    for (int section = 0; section < header.count(); ++section)
        if (header.visualIndex(section) != section)
            header.moveSection(header.visualIndex(section), section);
    header.setSectionsMovable(table && table->allowsColumnReordering());
    int sorted = -1;
    Qt::SortOrder order = Qt::AscendingOrder;
    const auto descriptors = table ? table->sortDescriptors() : nullptr;
    const auto first = descriptors && descriptors->count() > 0
                           ? std::dynamic_pointer_cast<SortDescriptor>(descriptors->firstObject())
                           : nullptr;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const int section = static_cast<int>(i);
        const TableColumn& column = *columns[i];
        toolkit_->model->setHeaderData(section, Qt::Horizontal, detail::toQString(column.title()));
        header.setSectionHidden(section, column.isHidden());
        header.resizeSection(section, static_cast<int>(table->rectOfColumn(section).width()));
        const auto prototype = column.sortDescriptorPrototype();
        if (first && prototype && prototype->key() == first->key() && sorted < 0) {
            sorted = section;
            order = first->ascending() ? Qt::AscendingOrder : Qt::DescendingOrder;
        }
    }
    header.setSortIndicator(sorted, order);
    toolkit_->programmatic = false;
}

} // namespace platform
