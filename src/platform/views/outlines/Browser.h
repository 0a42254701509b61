#pragma once

#include "platform/foundation/Selector.h"
#include "platform/views/Control.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace platform {

class BrowserDelegate;
class IndexSet;
class String;

namespace detail {
class BrowserColumnView;
class BrowserItemModel;
} // namespace detail

// Columns side by side, each a list of the children of the item selected in the column before
// it, the first listing the root item's children; selecting an item that is not a leaf opens
// its children in a new column to the right. The delegate gives the tree. The user selects
// with clicks and with the arrow keys: Up and Down in a column, Right into the column of the
// selected item's children, Left back to its parent's column; typed letters select the next
// row whose text begins with them. Each change of the selection by the user sends the action,
// a double click the double action. Changes by the program send nothing.
class Browser : public Control {
public:
    explicit Browser(Rect frame = {});
    ~Browser() override;

    // Held weakly, as a window holds its delegate.
    std::shared_ptr<BrowserDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<BrowserDelegate>& delegate);

    // Asks the delegate for the tree again, from the first column, and selects nothing.
    void loadColumnZero();
    // Asks the delegate again for the children shown in the column, keeping the selection of
    // the items that are still there.
    void reloadColumn(std::int64_t column);
    // Reloads each shown column the delegate says is no longer valid.
    void validateVisibleColumns();

    // The columns shown: the first, and one after each selected item that is not a leaf.
    std::int64_t lastColumn() const;
    // The last column with a selected row, -1 for none.
    std::int64_t selectedColumn() const;
    // -1 for none or for a column not shown.
    std::int64_t selectedRowInColumn(std::int64_t column) const;
    Ref<IndexSet> selectedRowIndexesInColumn(std::int64_t column) const;
    // Selects the row, closing the columns after it and opening its children's; asks nothing.
    void selectRowInColumn(std::int64_t row, std::int64_t column);
    // The item of a shown row, none outside the rows; the item whose children the column
    // shows (none for the root's column past the shown ones).
    Ref<Object> itemAtRowInColumn(std::int64_t row, std::int64_t column) const;
    Ref<Object> parentForItemsInColumn(std::int64_t column) const;
    std::int64_t numberOfRowsInColumn(std::int64_t column) const;
    // The delegate's title of the column, none unless it gives one.
    Ref<String> titleOfColumn(std::int64_t column);

    // 17 points unless set.
    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double height);
    // 100 points unless set.
    double minColumnWidth() const { return minColumnWidth_; }
    void setMinColumnWidth(double width);

    // The row and column of the user's last click, -1 for none.
    std::int64_t clickedRow() const { return clickedRow_; }
    std::int64_t clickedColumn() const { return clickedColumn_; }
    Selector doubleAction() const { return doubleAction_; }
    void setDoubleAction(Selector action) { doubleAction_ = std::move(action); }

    double doubleValue() const override { return 0; }
    void setDoubleValue(double) override {}
    bool acceptsFirstResponder() const override { return true; }
    bool isFlipped() const override { return true; }
    // Asks the delegate before typed letters select a row.
    void keyDown(const Ref<Event>& event) override;

private:
    friend class detail::BrowserItemModel;

    Ref<Browser> thisBrowser() {
        return std::static_pointer_cast<Browser>(weak_from_this().lock());
    }
    // The selected row of each shown column, from the first.
    std::vector<std::int64_t> selectedPath() const;
    // Selects the rows of the path as far as they are there, sending nothing.
    void selectPath(const std::vector<std::int64_t>& path);
    // The user moved the selection to a row: the delegate may choose another, and hears when
    // the last column changed; the action goes.
    void userSelected(std::int64_t row, std::int64_t column);
    // Sizes the columns and tells the delegate when the last one changed.
    void columnsDidChange();

    std::weak_ptr<BrowserDelegate> delegate_;
    double rowHeight_ = 17;
    double minColumnWidth_ = 100;
    std::int64_t clickedRow_ = -1;
    std::int64_t clickedColumn_ = -1;
    Selector doubleAction_;
    std::int64_t lastColumn_ = 0;
    bool programmatic_ = false;
    std::unique_ptr<detail::BrowserItemModel> model_;
    detail::BrowserColumnView* view_ = nullptr;
};

} // namespace platform
