#include "platform/views/outlines/BrowserDelegate.h"

#include "platform/foundation/IndexSet.h"
#include "platform/foundation/String.h"

namespace platform {

BrowserDelegate::~BrowserDelegate() = default;

Ref<Object> BrowserDelegate::rootItemForBrowser(const Ref<Browser>&) {
    return nullptr;
}

std::int64_t BrowserDelegate::browserNumberOfChildrenOfItem(const Ref<Browser>&,
                                                            const Ref<Object>&) {
    return 0;
}

Ref<Object> BrowserDelegate::browserChildOfItem(const Ref<Browser>&, std::int64_t,
                                                const Ref<Object>&) {
    return nullptr;
}

bool BrowserDelegate::browserIsLeafItem(const Ref<Browser>&, const Ref<Object>&) {
    return true;
}

Ref<Object> BrowserDelegate::browserObjectValueForItem(const Ref<Browser>&, const Ref<Object>&) {
    return nullptr;
}

bool BrowserDelegate::browserShouldEditItem(const Ref<Browser>&, const Ref<Object>&) {
    return false;
}

void BrowserDelegate::browserSetObjectValueForItem(const Ref<Browser>&, const Ref<Object>&,
                                                   const Ref<Object>&) {}

Ref<String> BrowserDelegate::browserTitleOfColumn(const Ref<Browser>&, std::int64_t) {
    return nullptr;
}

bool BrowserDelegate::browserIsColumnValid(const Ref<Browser>&, std::int64_t) {
    return true;
}

Ref<IndexSet> BrowserDelegate::browserSelectionIndexesForProposedSelectionInColumn(
    const Ref<Browser>&, const Ref<IndexSet>& proposedSelectionIndexes, std::int64_t) {
    return proposedSelectionIndexes;
}

bool BrowserDelegate::browserShouldTypeSelectForEventWithCurrentSearchString(const Ref<Browser>&,
                                                                             const Ref<Event>&,
                                                                             const Ref<String>&) {
    return true;
}

double BrowserDelegate::browserHeightOfRowInColumn(const Ref<Browser>&, std::int64_t,
                                                   std::int64_t) {
    return 0;
}

double BrowserDelegate::browserShouldSizeColumnForUserResizeToWidth(const Ref<Browser>&,
                                                                    std::int64_t, bool, double) {
    return 0;
}

void BrowserDelegate::browserDidChangeLastColumnToColumn(const Ref<Browser>&, std::int64_t,
                                                         std::int64_t) {}

void BrowserDelegate::browserWillScroll(const Ref<Browser>&) {}
void BrowserDelegate::browserDidScroll(const Ref<Browser>&) {}

} // namespace platform
