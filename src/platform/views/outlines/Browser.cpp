#include "platform/views/outlines/Browser.h"

#include "platform/app/Event.h"
#include "platform/detail/BrowserColumnView.h"
#include "platform/detail/BrowserItemModel.h"
#include "platform/foundation/IndexSet.h"
#include "platform/foundation/String.h"
#include "platform/views/outlines/BrowserDelegate.h"

#include <QItemSelectionModel>
#include <QList>

#include <algorithm>

namespace platform {

using Node = detail::BrowserItemModel::Node;

namespace {

// The index of the row selected in the column before the given one: the parent of the rows the
// column shows.
QModelIndex indexAlong(const detail::BrowserItemModel& model, const std::vector<std::int64_t>& path,
                       std::int64_t column) {
    QModelIndex index;
    for (std::int64_t i = 0; i < column && i < std::ssize(path); ++i)
        index = model.index(int(path[std::size_t(i)]), 0, index);
    return index;
}

} // namespace

Browser::Browser(Rect frame)
    : Control(frame, std::make_unique<ViewPeer>(nullptr)),
      model_(std::make_unique<detail::BrowserItemModel>(*this)) {
    view_ = new detail::BrowserColumnView(*this, [this](bool before) {
        const auto d = delegate();
        if (!d)
            return;
        if (before)
            d->browserWillScroll(thisBrowser());
        else
            d->browserDidScroll(thisBrowser());
    });
    view_->setFocusPolicy(Qt::StrongFocus);
    view_->setModel(model_.get());
    peer().widget = view_;
    setFrame(frame);
    QObject::connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, view_,
                     [this](const QModelIndex& current) {
                         if (programmatic_ || !current.isValid())
                             return;
                         userSelected(current.row(),
                                      detail::BrowserItemModel::columnOf(model_->nodeOf(current)));
                     });
    QObject::connect(view_, &QAbstractItemView::doubleClicked, view_, [this](const QModelIndex&) {
        const auto keep = weak_from_this().lock(); // the action may close the window
        sendAction(doubleAction_);
    });
}

Browser::~Browser() {
    // The view goes with the peer, after the model it reads; nothing it reports now is the
    // user's.
    programmatic_ = true;
    view_->setModel(nullptr);
}

void Browser::setDelegate(const std::shared_ptr<BrowserDelegate>& delegate) {
    delegate_ = delegate;
    loadColumnZero();
}

void Browser::loadColumnZero() {
    programmatic_ = true;
    model_->reset();
    programmatic_ = false;
    columnsDidChange();
}

std::vector<std::int64_t> Browser::selectedPath() const {
    std::vector<std::int64_t> path;
    for (const Node* node = model_->nodeOf(view_->currentIndex()); node->parent;
         node = node->parent)
        path.insert(path.begin(), node->row);
    return path;
}

void Browser::selectPath(const std::vector<std::int64_t>& path) {
    QModelIndex index;
    for (const std::int64_t row : path) {
        const QModelIndex next = model_->index(int(row), 0, index);
        if (!next.isValid())
            break;
        index = next;
    }
    programmatic_ = true;
    if (index.isValid()) {
        view_->setCurrentIndex(index);
    } else {
        // Nothing selected shows the first column alone.
        view_->selectionModel()->clear();
        view_->setRootIndex({});
    }
    programmatic_ = false;
    columnsDidChange();
}

void Browser::reloadColumn(std::int64_t column) {
    const std::vector<std::int64_t> path = selectedPath();
    if (column < 0 || column > std::ssize(path))
        return;
    // The items selected from the column on, found again by identity after the reload.
    std::vector<Ref<Object>> items;
    for (auto i = std::size_t(column); i < path.size(); ++i)
        items.push_back(itemAtRowInColumn(path[i], std::int64_t(i)));
    programmatic_ = true;
    model_->reset();
    programmatic_ = false;
    std::vector<std::int64_t> again(path.begin(), path.begin() + column);
    for (const auto& item : items) {
        const QModelIndex parent = indexAlong(*model_, again, std::ssize(again));
        std::int64_t found = -1;
        for (int row = 0; found < 0 && row < model_->rowCount(parent); ++row)
            if (model_->nodeOf(model_->index(row, 0, parent))->item == item)
                found = row;
        if (found < 0)
            break;
        again.push_back(found);
    }
    selectPath(again);
}

void Browser::validateVisibleColumns() {
    const auto d = delegate();
    if (!d)
        return;
    for (std::int64_t column = 0; column <= lastColumn(); ++column)
        if (!d->browserIsColumnValid(thisBrowser(), column))
            return reloadColumn(column);
}

std::int64_t Browser::lastColumn() const {
    const Node* node = model_->nodeOf(view_->currentIndex());
    const auto depth = std::ssize(selectedPath());
    return node->parent && node->leaf ? depth - 1 : depth;
}

std::int64_t Browser::selectedColumn() const {
    return std::ssize(selectedPath()) - 1;
}

std::int64_t Browser::selectedRowInColumn(std::int64_t column) const {
    const std::vector<std::int64_t> path = selectedPath();
    return column >= 0 && column < std::ssize(path) ? path[std::size_t(column)] : -1;
}

Ref<IndexSet> Browser::selectedRowIndexesInColumn(std::int64_t column) const {
    const std::int64_t row = selectedRowInColumn(column);
    return row < 0 ? IndexSet::indexSet() : IndexSet::indexSetWithIndex(row);
}

void Browser::selectRowInColumn(std::int64_t row, std::int64_t column) {
    std::vector<std::int64_t> path = selectedPath();
    if (column < 0 || column > std::ssize(path))
        return;
    path.resize(std::size_t(column));
    path.push_back(row);
    selectPath(path);
}

Ref<Object> Browser::parentForItemsInColumn(std::int64_t column) const {
    const std::vector<std::int64_t> path = selectedPath();
    if (column < 0 || column > std::ssize(path))
        return nullptr;
    return model_->nodeOf(indexAlong(*model_, path, column))->item;
}

Ref<Object> Browser::itemAtRowInColumn(std::int64_t row, std::int64_t column) const {
    const std::vector<std::int64_t> path = selectedPath();
    if (column < 0 || column > std::ssize(path))
        return nullptr;
    const QModelIndex at = model_->index(int(row), 0, indexAlong(*model_, path, column));
    return at.isValid() ? model_->nodeOf(at)->item : nullptr;
}

std::int64_t Browser::numberOfRowsInColumn(std::int64_t column) const {
    const std::vector<std::int64_t> path = selectedPath();
    if (column < 0 || column > lastColumn())
        return 0;
    return model_->rowCount(indexAlong(*model_, path, column));
}

Ref<String> Browser::titleOfColumn(std::int64_t column) {
    const auto d = delegate();
    return d ? d->browserTitleOfColumn(thisBrowser(), column) : nullptr;
}

void Browser::setRowHeight(double height) {
    rowHeight_ = std::max(1.0, height);
    loadColumnZero();
}

void Browser::setMinColumnWidth(double width) {
    minColumnWidth_ = std::max(1.0, width);
    columnsDidChange();
}

void Browser::userSelected(std::int64_t row, std::int64_t column) {
    const auto keep = weak_from_this().lock(); // the delegate or the action may close the window
    clickedRow_ = row;
    clickedColumn_ = column;
    if (const auto d = delegate()) {
        const Ref<IndexSet> chosen = d->browserSelectionIndexesForProposedSelectionInColumn(
            thisBrowser(), IndexSet::indexSetWithIndex(row), column);
        const std::int64_t wanted = chosen && chosen->count() > 0 ? chosen->firstIndex() : -1;
        if (wanted != row) {
            std::vector<std::int64_t> path = selectedPath();
            path.resize(std::size_t(column));
            if (wanted >= 0 && wanted < numberOfRowsInColumn(column))
                path.push_back(wanted);
            selectPath(path);
        }
    }
    columnsDidChange();
    sendAction();
}

void Browser::columnsDidChange() {
    const std::int64_t last = lastColumn();
    const auto d = delegate();
    QList<int> widths;
    for (std::int64_t column = 0; column <= last; ++column) {
        const double asked = d ? d->browserShouldSizeColumnForUserResizeToWidth(
                                     thisBrowser(), column, false, minColumnWidth_)
                               : 0;
        widths.append(int(asked > 0 ? asked : minColumnWidth_));
    }
    view_->setColumnWidths(widths);
    if (last == lastColumn_)
        return;
    const std::int64_t before = std::exchange(lastColumn_, last);
    if (d)
        d->browserDidChangeLastColumnToColumn(thisBrowser(), before, last);
}

void Browser::keyDown(const Ref<Event>& event) {
    // The toolkit's column view moves between columns itself but leaves Up and Down to the
    // column that has the focus, which the browser keeps for itself.
    if (const std::uint16_t key = event->keyCode();
        key == KeyCode::UpArrow || key == KeyCode::DownArrow) {
        const QModelIndex current = view_->currentIndex();
        const int step = key == KeyCode::UpArrow ? -1 : 1;
        const QModelIndex target = current.isValid() ? current.siblingAtRow(current.row() + step)
                                                     : model_->index(0, 0, {});
        if (target.isValid())
            view_->setCurrentIndex(target);
        return;
    }
    const Ref<String> typed = event->characters();
    const bool letters =
        typed && !typed->utf16().empty() && std::ranges::none_of(typed->utf16(), [](char16_t c) {
            return c < 0x20 || c == 0x7f || (c >= 0xe000 && c <= 0xf8ff);
        });
    if (const auto d = delegate();
        letters && d &&
        !d->browserShouldTypeSelectForEventWithCurrentSearchString(thisBrowser(), event, typed))
        return;
    Control::keyDown(event);
}

} // namespace platform
