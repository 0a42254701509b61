#include "platform/views/outlines/OutlineViewDataSource.h"

#include "platform/app/DraggingInfo.h"

namespace platform {

OutlineViewDataSource::~OutlineViewDataSource() = default;

std::int64_t OutlineViewDataSource::outlineViewNumberOfChildrenOfItem(const Ref<OutlineView>&,
                                                                      const Ref<Object>&) {
    return 0;
}

Ref<Object> OutlineViewDataSource::outlineViewChildOfItem(const Ref<OutlineView>&, std::int64_t,
                                                          const Ref<Object>&) {
    return nullptr;
}

bool OutlineViewDataSource::outlineViewIsItemExpandable(const Ref<OutlineView>&,
                                                        const Ref<Object>&) {
    return false;
}

Ref<Object> OutlineViewDataSource::outlineViewObjectValueForTableColumnByItem(
    const Ref<OutlineView>&, const Ref<TableColumn>&, const Ref<Object>&) {
    return nullptr;
}

void OutlineViewDataSource::outlineViewSortDescriptorsDidChange(const Ref<OutlineView>&,
                                                                const Ref<Array>&) {}

Ref<PasteboardItem>
OutlineViewDataSource::outlineViewPasteboardWriterForItem(const Ref<OutlineView>&,
                                                          const Ref<Object>&) {
    return nullptr;
}

void OutlineViewDataSource::outlineViewDraggingSessionWillBeginAtPointForItems(
    const Ref<OutlineView>&, const Ref<DraggingSession>&, Point, const Ref<Array>&) {}

void OutlineViewDataSource::outlineViewDraggingSessionEndedAtPointOperation(
    const Ref<OutlineView>&, const Ref<DraggingSession>&, Point, std::uint64_t) {}

std::uint64_t OutlineViewDataSource::outlineViewValidateDropProposedItemProposedChildIndex(
    const Ref<OutlineView>&, const Ref<DraggingInfo>&, const Ref<Object>&, std::int64_t) {
    return DragOperation::None;
}

bool OutlineViewDataSource::outlineViewAcceptDropItemChildIndex(const Ref<OutlineView>&,
                                                                const Ref<DraggingInfo>&,
                                                                const Ref<Object>&, std::int64_t) {
    return false;
}

} // namespace platform
