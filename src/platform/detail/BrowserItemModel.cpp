#include "platform/detail/BrowserItemModel.h"

#include "platform/foundation/String.h"
#include "platform/views/outlines/Browser.h"
#include "platform/views/outlines/BrowserDelegate.h"

#include <QSize>

#include <algorithm>

namespace platform::detail {

BrowserItemModel::BrowserItemModel(Browser& browser)
    : browser_(browser), root_(std::make_unique<Node>()) {}

BrowserItemModel::~BrowserItemModel() = default;

void BrowserItemModel::reset() {
    beginResetModel();
    root_ = std::make_unique<Node>();
    if (const auto d = browser_.delegate())
        root_->item = d->rootItemForBrowser(browser_.thisBrowser());
    endResetModel();
}

void BrowserItemModel::load(Node& node) const {
    if (node.loaded)
        return;
    node.loaded = true;
    const auto d = browser_.delegate();
    if (!d || (node.leaf && &node != root_.get()))
        return;
    const auto browser = browser_.thisBrowser();
    const auto count = std::clamp<std::int64_t>(
        d->browserNumberOfChildrenOfItem(browser, node.item), 0, INT32_MAX);
    node.children.reserve(std::size_t(count));
    for (int row = 0; row < count; ++row) {
        auto child = std::make_unique<Node>();
        child->item = d->browserChildOfItem(browser, row, node.item);
        child->parent = &node;
        child->row = row;
        child->leaf = d->browserIsLeafItem(browser, child->item);
        node.children.push_back(std::move(child));
    }
}

BrowserItemModel::Node* BrowserItemModel::nodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex BrowserItemModel::indexOf(const Node* node) const {
    return !node || node == root_.get() ? QModelIndex()
                                        : createIndex(node->row, 0, const_cast<Node*>(node));
}

int BrowserItemModel::columnOf(const Node* node) {
    int column = -1;
    for (const Node* up = node->parent; up; up = up->parent)
        ++column;
    return column;
}

QModelIndex BrowserItemModel::index(int row, int column, const QModelIndex& parent) const {
    Node* node = nodeOf(parent);
    load(*node);
    if (column != 0 || row < 0 || row >= int(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[std::size_t(row)].get());
}

QModelIndex BrowserItemModel::parent(const QModelIndex& child) const {
    return child.isValid() ? indexOf(nodeOf(child)->parent) : QModelIndex();
}

int BrowserItemModel::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    Node* node = nodeOf(parent);
    load(*node);
    return int(node->children.size());
}

int BrowserItemModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool BrowserItemModel::hasChildren(const QModelIndex& parent) const {
    return !parent.isValid() || !nodeOf(parent)->leaf;
}

QVariant BrowserItemModel::data(const QModelIndex& index, int role) const {
    const auto d = browser_.delegate();
    if (!index.isValid() || !d)
        return {};
    const Node* node = nodeOf(index);
    const auto browser = browser_.thisBrowser();
    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        const Ref<Object> value = d->browserObjectValueForItem(browser, node->item);
        const Ref<String> text = value ? value->description() : nullptr;
        return text ? QString::fromStdU16String(text->utf16()) : QString();
    }
    if (role == Qt::SizeHintRole) {
        const double asked = d->browserHeightOfRowInColumn(browser, node->row, columnOf(node));
        const double height = asked > 0 ? asked : browser_.rowHeight();
        return QSize(int(browser_.minColumnWidth()), int(height));
    }
    return {};
}

bool BrowserItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const auto d = browser_.delegate();
    if (!index.isValid() || role != Qt::EditRole || !d)
        return false;
    d->browserSetObjectValueForItem(browser_.thisBrowser(),
                                    String::create(value.toString().toStdU16String()),
                                    nodeOf(index)->item);
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags BrowserItemModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const Node* node = nodeOf(index);
    if (node->leaf)
        flags |= Qt::ItemNeverHasChildren;
    if (const auto d = browser_.delegate();
        d && d->browserShouldEditItem(browser_.thisBrowser(), node->item))
        flags |= Qt::ItemIsEditable;
    return flags;
}

} // namespace platform::detail
