#include "platform/views/tables/TableViewDataSource.h"

#include "platform/app/DraggingInfo.h"

namespace platform {

TableViewDataSource::~TableViewDataSource() = default;

std::int64_t TableViewDataSource::numberOfRowsInTableView(const Ref<TableView>&) {
    return 0;
}

Ref<Object> TableViewDataSource::tableViewObjectValueForTableColumnRow(const Ref<TableView>&,
                                                                       const Ref<TableColumn>&,
                                                                       std::int64_t) {
    return nullptr;
}

void TableViewDataSource::tableViewSortDescriptorsDidChange(const Ref<TableView>&,
                                                            const Ref<Array>&) {}

Ref<PasteboardItem> TableViewDataSource::tableViewPasteboardWriterForRow(const Ref<TableView>&,
                                                                         std::int64_t) {
    return nullptr;
}

void TableViewDataSource::tableViewDraggingSessionWillBeginAtPointForRowIndexes(
    const Ref<TableView>&, const Ref<DraggingSession>&, Point, const Ref<IndexSet>&) {}

void TableViewDataSource::tableViewDraggingSessionEndedAtPointOperation(const Ref<TableView>&,
                                                                        const Ref<DraggingSession>&,
                                                                        Point, std::uint64_t) {}

std::uint64_t TableViewDataSource::tableViewValidateDropProposedRowProposedDropOperation(
    const Ref<TableView>&, const Ref<DraggingInfo>&, std::int64_t, std::uint64_t) {
    return DragOperation::None;
}

bool TableViewDataSource::tableViewAcceptDropRowDropOperation(const Ref<TableView>&,
                                                              const Ref<DraggingInfo>&,
                                                              std::int64_t, std::uint64_t) {
    return false;
}

} // namespace platform
