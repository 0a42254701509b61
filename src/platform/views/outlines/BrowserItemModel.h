#pragma once

#include <QAbstractItemModel>

namespace platform {
class Browser;
namespace detail {

// The browser's tree as the toolkit's column view reads it, asked of the browser's delegate.
class BrowserItemModel : public QAbstractItemModel {
public:
    explicit BrowserItemModel(Browser& browser);

    QModelIndex index(int row, int column, const QModelIndex& parent) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent) const override;
    int columnCount(const QModelIndex& parent) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    Browser& browser_;
};

} // namespace detail
} // namespace platform
