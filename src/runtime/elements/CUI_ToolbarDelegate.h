#pragma once

// The delegate of every registered toolbar. It answers from the toolbar's record (CUI_ToolbarObj)
// and makes the items the record describes, each sending its action to the shared
// CUI_ToolbarItemTarget; a toolbar without a record has no lists and gets bare items.

#include "platform/foundation/Object.h"
#include "platform/windows/ToolbarDelegate.h"

class CUI_ToolbarDelegate final : public platform::Object, public platform::ToolbarDelegate {
public:
    // The one delegate, created on first use and never released: toolbars hold it weakly.
    static const std::shared_ptr<CUI_ToolbarDelegate>& shared();

    platform::Ref<platform::ToolbarItem>
    toolbarItemForItemIdentifier(const platform::Ref<platform::Toolbar>& toolbar,
                                 const platform::Ref<platform::String>& identifier,
                                 bool willBeInserted) override;
    platform::Ref<platform::Array>
    toolbarAllowedItemIdentifiers(const platform::Ref<platform::Toolbar>& toolbar) override;
    platform::Ref<platform::Array>
    toolbarDefaultItemIdentifiers(const platform::Ref<platform::Toolbar>& toolbar) override;
    platform::Ref<platform::Array>
    toolbarSelectableItemIdentifiers(const platform::Ref<platform::Toolbar>& toolbar) override;
    platform::Ref<platform::Array>
    toolbarImmovableItemIdentifiers(const platform::Ref<platform::Toolbar>& toolbar) override;
};
