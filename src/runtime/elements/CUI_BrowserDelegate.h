#pragma once

// A browser delegate that reports nothing and answers every question the same way: a tree with
// no items, whose columns are all valid and whose rows are leaves, editable and type-selected,
// with the browser's own row heights and column widths. A program that shows a tree in a
// browser gives it a delegate of its own.

#include "platform/views/outlines/BrowserDelegate.h"

class CUI_BrowserDelegate : public platform::BrowserDelegate {
public:
    platform::Ref<platform::Object>
    rootItemForBrowser(const platform::Ref<platform::Browser>& browser) override;
    std::int64_t
    browserNumberOfChildrenOfItem(const platform::Ref<platform::Browser>& browser,
                                  const platform::Ref<platform::Object>& item) override;
    platform::Ref<platform::Object>
    browserChildOfItem(const platform::Ref<platform::Browser>& browser, std::int64_t index,
                       const platform::Ref<platform::Object>& item) override;
    bool browserIsLeafItem(const platform::Ref<platform::Browser>& browser,
                           const platform::Ref<platform::Object>& item) override;
    platform::Ref<platform::Object>
    browserObjectValueForItem(const platform::Ref<platform::Browser>& browser,
                              const platform::Ref<platform::Object>& item) override;
    bool browserShouldEditItem(const platform::Ref<platform::Browser>& browser,
                               const platform::Ref<platform::Object>& item) override;
    void browserSetObjectValueForItem(const platform::Ref<platform::Browser>& browser,
                                      const platform::Ref<platform::Object>& object,
                                      const platform::Ref<platform::Object>& item) override;
    platform::Ref<platform::String>
    browserTitleOfColumn(const platform::Ref<platform::Browser>& browser,
                         std::int64_t column) override;
    bool browserIsColumnValid(const platform::Ref<platform::Browser>& browser,
                              std::int64_t column) override;
    platform::Ref<platform::IndexSet> browserSelectionIndexesForProposedSelectionInColumn(
        const platform::Ref<platform::Browser>& browser,
        const platform::Ref<platform::IndexSet>& proposedSelectionIndexes,
        std::int64_t column) override;
    bool browserShouldTypeSelectForEventWithCurrentSearchString(
        const platform::Ref<platform::Browser>& browser,
        const platform::Ref<platform::Event>& event,
        const platform::Ref<platform::String>& searchString) override;
    double browserHeightOfRowInColumn(const platform::Ref<platform::Browser>& browser,
                                      std::int64_t row, std::int64_t column) override;
    double
    browserShouldSizeColumnForUserResizeToWidth(const platform::Ref<platform::Browser>& browser,
                                                std::int64_t column, bool forUserResize,
                                                double suggestedWidth) override;
    void browserDidChangeLastColumnToColumn(const platform::Ref<platform::Browser>& browser,
                                            std::int64_t oldLastColumn,
                                            std::int64_t column) override;
    void browserWillScroll(const platform::Ref<platform::Browser>& browser) override;
    void browserDidScroll(const platform::Ref<platform::Browser>& browser) override;
};
