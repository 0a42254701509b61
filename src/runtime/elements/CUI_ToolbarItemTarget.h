#pragma once

// The shared target of the toolbar items CUI_ToolbarDelegate makes. The key window becomes the
// current output window; then the dialog callback hears the item chosen (1900), or is asked
// whether it can be chosen (1901, the record's boolVal prepared with the item's enabled state),
// with the item's tag and the current output window tag.

#include "platform/foundation/Object.h"
#include "platform/windows/ToolbarItemValidation.h"

class CUI_ToolbarItemTarget final : public platform::Object,
                                    public platform::ToolbarItemValidation {
public:
    // The one target, created on first use and never released: items hold it weakly.
    static const platform::Ref<CUI_ToolbarItemTarget>& shared();

    void toolbarItemAction(const platform::Ref<platform::ToolbarItem>& item);
    bool validateToolbarItem(const platform::Ref<platform::ToolbarItem>& item) override;
};
