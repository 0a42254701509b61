#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Browser;
class Event;
class IndexSet;
class String;

// What a browser asks and tells its delegate. The browser's columns show a tree: the first
// column the root item's children, each further column the children of the item selected in
// the column before. Items are the delegate's own objects, compared by identity. Each method
// answers what the framework answers when a browser has no delegate: an empty tree.
class BrowserDelegate {
public:
    virtual ~BrowserDelegate();

    // The item whose children fill the first column; none is a root too.
    virtual Ref<Object> rootItemForBrowser(const Ref<Browser>& browser);
    virtual std::int64_t browserNumberOfChildrenOfItem(const Ref<Browser>& browser,
                                                       const Ref<Object>& item);
    virtual Ref<Object> browserChildOfItem(const Ref<Browser>& browser, std::int64_t index,
                                           const Ref<Object>& item);
    // A leaf opens no column when selected; the base answers yes.
    virtual bool browserIsLeafItem(const Ref<Browser>& browser, const Ref<Object>& item);
    // What the item's row shows; its description is the row's text.
    virtual Ref<Object> browserObjectValueForItem(const Ref<Browser>& browser,
                                                  const Ref<Object>& item);
    // Whether a double click or F2 edits the item's text; the base answers no, as the
    // framework does without a way to write the value back.
    virtual bool browserShouldEditItem(const Ref<Browser>& browser, const Ref<Object>& item);
    virtual void browserSetObjectValueForItem(const Ref<Browser>& browser,
                                              const Ref<Object>& object, const Ref<Object>& item);

    // None leaves the column untitled.
    virtual Ref<String> browserTitleOfColumn(const Ref<Browser>& browser, std::int64_t column);
    // Asked by validateVisibleColumns; a column answered no is loaded again.
    virtual bool browserIsColumnValid(const Ref<Browser>& browser, std::int64_t column);
    // The rows of a column the user's click or key would select; the answer is selected in
    // their place. The base answers the proposal.
    virtual Ref<IndexSet> browserSelectionIndexesForProposedSelectionInColumn(
        const Ref<Browser>& browser, const Ref<IndexSet>& proposedSelectionIndexes,
        std::int64_t column);
    // Whether typed letters select the row whose text begins with them.
    virtual bool browserShouldTypeSelectForEventWithCurrentSearchString(
        const Ref<Browser>& browser, const Ref<Event>& event, const Ref<String>& searchString);
    // A row's height; the base and any answer not above zero give the browser's rowHeight.
    virtual double browserHeightOfRowInColumn(const Ref<Browser>& browser, std::int64_t row,
                                              std::int64_t column);
    // A new column's width; the base and any answer not above zero give the browser's
    // minColumnWidth.
    virtual double browserShouldSizeColumnForUserResizeToWidth(const Ref<Browser>& browser,
                                                               std::int64_t column,
                                                               bool forUserResize,
                                                               double suggestedWidth);
    // The last loaded column changed from one to another.
    virtual void browserDidChangeLastColumnToColumn(const Ref<Browser>& browser,
                                                    std::int64_t oldLastColumn,
                                                    std::int64_t column);
    // Around each scroll of the columns sideways.
    virtual void browserWillScroll(const Ref<Browser>& browser);
    virtual void browserDidScroll(const Ref<Browser>& browser);
};

} // namespace platform
