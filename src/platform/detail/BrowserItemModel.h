#pragma once

// Internal to the platform.

#include "platform/foundation/Object.h"

#include <QAbstractItemModel>

#include <memory>
#include <vector>

namespace platform {
class Browser;
namespace detail {

// The browser's tree as the toolkit's column view reads it. Each item's children are asked of
// the browser's delegate once, when the view first needs them, and kept until the model is
// reset; an item's place is its node, which the model's indexes point to.
class BrowserItemModel : public QAbstractItemModel {
public:
    struct Node {
        Ref<Object> item;
        Node* parent = nullptr;
        int row = 0;
        bool leaf = false;
        bool loaded = false;
        std::vector<std::unique_ptr<Node>> children;
    };

    explicit BrowserItemModel(Browser& browser);
    ~BrowserItemModel() override;

    // Forgets the tree and asks the delegate for the root again.
    void reset();
    // The node of an index; the root for none.
    Node* nodeOf(const QModelIndex& index) const;
    QModelIndex indexOf(const Node* node) const;
    // The column a node's row is shown in: 0 for the root's children.
    static int columnOf(const Node* node);

    QModelIndex index(int row, int column, const QModelIndex& parent) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    bool hasChildren(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void load(Node& node) const;

    Browser& browser_;
    std::unique_ptr<Node> root_;
};

} // namespace detail
} // namespace platform
