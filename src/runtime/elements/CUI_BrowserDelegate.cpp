#include "runtime/elements/CUI_BrowserDelegate.h"

#include "platform/foundation/IndexSet.h"
#include "platform/foundation/String.h"
#include "platform/views/outlines/Browser.h"

using platform::Browser;
using platform::Object;
using platform::Ref;

Ref<Object> CUI_BrowserDelegate::rootItemForBrowser(const Ref<Browser>&) {
    return nullptr;
}

std::int64_t CUI_BrowserDelegate::browserNumberOfChildrenOfItem(const Ref<Browser>&,
                                                                const Ref<Object>&) {
    return 0;
}

Ref<Object> CUI_BrowserDelegate::browserChildOfItem(const Ref<Browser>&, std::int64_t,
                                                    const Ref<Object>&) {
    return nullptr;
}

bool CUI_BrowserDelegate::browserIsLeafItem(const Ref<Browser>&, const Ref<Object>&) {
    return true;
}

Ref<Object> CUI_BrowserDelegate::browserObjectValueForItem(const Ref<Browser>&,
                                                           const Ref<Object>&) {
    return nullptr;
}

bool CUI_BrowserDelegate::browserShouldEditItem(const Ref<Browser>&, const Ref<Object>&) {
    return true;
}

void CUI_BrowserDelegate::browserSetObjectValueForItem(const Ref<Browser>&, const Ref<Object>&,
                                                       const Ref<Object>&) {}

Ref<platform::String> CUI_BrowserDelegate::browserTitleOfColumn(const Ref<Browser>&, std::int64_t) {
    return nullptr;
}

bool CUI_BrowserDelegate::browserIsColumnValid(const Ref<Browser>&, std::int64_t) {
    return true;
}

Ref<platform::IndexSet> CUI_BrowserDelegate::browserSelectionIndexesForProposedSelectionInColumn(
    const Ref<Browser>&, const Ref<platform::IndexSet>&, std::int64_t) {
    return platform::IndexSet::indexSetWithIndex(0);
}

bool CUI_BrowserDelegate::browserShouldTypeSelectForEventWithCurrentSearchString(
    const Ref<Browser>&, const Ref<platform::Event>&, const Ref<platform::String>&) {
    return true;
}

double CUI_BrowserDelegate::browserHeightOfRowInColumn(const Ref<Browser>&, std::int64_t,
                                                       std::int64_t) {
    return 0.0;
}

double CUI_BrowserDelegate::browserShouldSizeColumnForUserResizeToWidth(const Ref<Browser>&,
                                                                        std::int64_t, bool,
                                                                        double) {
    return 0.0;
}

void CUI_BrowserDelegate::browserDidChangeLastColumnToColumn(const Ref<Browser>&, std::int64_t,
                                                             std::int64_t) {}

void CUI_BrowserDelegate::browserWillScroll(const Ref<Browser>&) {}

void CUI_BrowserDelegate::browserDidScroll(const Ref<Browser>&) {}
