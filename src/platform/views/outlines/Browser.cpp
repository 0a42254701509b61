#include "platform/views/outlines/Browser.h"

#include "platform/detail/ViewPeer.h"
#include "platform/foundation/IndexSet.h"
#include "platform/foundation/String.h"
#include "platform/views/outlines/BrowserDelegate.h"
#include "platform/views/outlines/BrowserItemModel.h"

namespace platform {

Browser::Browser(Rect frame) : Control(frame, std::make_unique<ViewPeer>(nullptr)) {}
Browser::~Browser() = default;
void Browser::setDelegate(const std::shared_ptr<BrowserDelegate>& delegate) {
    delegate_ = delegate;
}
void Browser::loadColumnZero() {}
void Browser::reloadColumn(std::int64_t) {}
void Browser::validateVisibleColumns() {}
std::int64_t Browser::lastColumn() const {
    return 0;
}
std::int64_t Browser::selectedColumn() const {
    return -1;
}
std::int64_t Browser::selectedRowInColumn(std::int64_t) const {
    return -1;
}
Ref<IndexSet> Browser::selectedRowIndexesInColumn(std::int64_t) const {
    return IndexSet::indexSet();
}
void Browser::selectRowInColumn(std::int64_t, std::int64_t) {}
Ref<Object> Browser::itemAtRowInColumn(std::int64_t, std::int64_t) const {
    return nullptr;
}
Ref<Object> Browser::parentForItemsInColumn(std::int64_t) const {
    return nullptr;
}
std::int64_t Browser::numberOfRowsInColumn(std::int64_t) const {
    return 0;
}
Ref<String> Browser::titleOfColumn(std::int64_t) {
    return nullptr;
}
void Browser::setRowHeight(double height) {
    rowHeight_ = height;
}
void Browser::setMinColumnWidth(double width) {
    minColumnWidth_ = width;
}

namespace detail {
BrowserItemModel::BrowserItemModel(Browser& browser) : browser_(browser) {}
QModelIndex BrowserItemModel::index(int, int, const QModelIndex&) const {
    return {};
}
QModelIndex BrowserItemModel::parent(const QModelIndex&) const {
    return {};
}
int BrowserItemModel::rowCount(const QModelIndex&) const {
    return 0;
}
int BrowserItemModel::columnCount(const QModelIndex&) const {
    return 1;
}
QVariant BrowserItemModel::data(const QModelIndex&, int) const {
    return {};
}
} // namespace detail

} // namespace platform
