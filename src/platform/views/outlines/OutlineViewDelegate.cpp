#include "platform/views/outlines/OutlineViewDelegate.h"

#include "platform/views/View.h"
#include "platform/views/outlines/OutlineView.h"
#include "platform/views/tables/TableRowView.h"

namespace platform {

OutlineViewDelegate::~OutlineViewDelegate() = default;

Ref<View> OutlineViewDelegate::outlineViewViewForTableColumnItem(const Ref<OutlineView>&,
                                                                 const Ref<TableColumn>&,
                                                                 const Ref<Object>&) {
    return nullptr;
}

Ref<TableRowView> OutlineViewDelegate::outlineViewRowViewForItem(const Ref<OutlineView>&,
                                                                 const Ref<Object>&) {
    return nullptr;
}

void OutlineViewDelegate::outlineViewDidAddRowViewForRow(const Ref<OutlineView>&,
                                                         const Ref<TableRowView>&, std::int64_t) {}

void OutlineViewDelegate::outlineViewDidRemoveRowViewForRow(const Ref<OutlineView>&,
                                                            const Ref<TableRowView>&,
                                                            std::int64_t) {}

bool OutlineViewDelegate::outlineViewIsGroupItem(const Ref<OutlineView>&, const Ref<Object>&) {
    return false;
}

double OutlineViewDelegate::outlineViewHeightOfRowByItem(const Ref<OutlineView>& outlineView,
                                                         const Ref<Object>&) {
    return outlineView->rowHeight();
}

Ref<Object> OutlineViewDelegate::outlineViewTintConfigurationForItem(const Ref<OutlineView>&,
                                                                     const Ref<Object>&) {
    return nullptr;
}

bool OutlineViewDelegate::outlineViewShouldExpandItem(const Ref<OutlineView>&, const Ref<Object>&) {
    return true;
}

bool OutlineViewDelegate::outlineViewShouldCollapseItem(const Ref<OutlineView>&,
                                                        const Ref<Object>&) {
    return true;
}

void OutlineViewDelegate::outlineViewItemWillExpand(const Ref<Notification>&) {}
void OutlineViewDelegate::outlineViewItemDidExpand(const Ref<Notification>&) {}
void OutlineViewDelegate::outlineViewItemWillCollapse(const Ref<Notification>&) {}
void OutlineViewDelegate::outlineViewItemDidCollapse(const Ref<Notification>&) {}

bool OutlineViewDelegate::selectionShouldChangeInOutlineView(const Ref<OutlineView>&) {
    return true;
}

bool OutlineViewDelegate::outlineViewShouldSelectItem(const Ref<OutlineView>&, const Ref<Object>&) {
    return true;
}

void OutlineViewDelegate::outlineViewSelectionIsChanging(const Ref<Notification>&) {}
void OutlineViewDelegate::outlineViewSelectionDidChange(const Ref<Notification>&) {}

bool OutlineViewDelegate::outlineViewShouldEditTableColumnItem(const Ref<OutlineView>&,
                                                               const Ref<TableColumn>&,
                                                               const Ref<Object>&) {
    return true;
}

bool OutlineViewDelegate::outlineViewShouldTypeSelectForEventWithCurrentSearchString(
    const Ref<OutlineView>&, const Ref<Event>&, const Ref<String>&) {
    return true;
}

void OutlineViewDelegate::outlineViewMouseDownInHeaderOfTableColumn(const Ref<OutlineView>&,
                                                                    const Ref<TableColumn>&) {}

void OutlineViewDelegate::outlineViewDidClickTableColumn(const Ref<OutlineView>&,
                                                         const Ref<TableColumn>&) {}

void OutlineViewDelegate::outlineViewDidDragTableColumn(const Ref<OutlineView>&,
                                                        const Ref<TableColumn>&) {}

bool OutlineViewDelegate::outlineViewShouldSelectTableColumn(const Ref<OutlineView>&,
                                                             const Ref<TableColumn>&) {
    return true;
}

bool OutlineViewDelegate::outlineViewShouldReorderColumnToColumn(const Ref<OutlineView>&,
                                                                 std::int64_t, std::int64_t) {
    return true;
}

void OutlineViewDelegate::outlineViewColumnDidMove(const Ref<Notification>&) {}
void OutlineViewDelegate::outlineViewColumnDidResize(const Ref<Notification>&) {}

bool OutlineViewDelegate::outlineViewUserCanChangeVisibilityOfTableColumn(const Ref<OutlineView>&,
                                                                          const Ref<TableColumn>&) {
    return false;
}

void OutlineViewDelegate::outlineViewUserDidChangeVisibilityOfTableColumns(const Ref<OutlineView>&,
                                                                           const Ref<Array>&) {}

} // namespace platform
