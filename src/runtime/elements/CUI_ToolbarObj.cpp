#include "runtime/elements/CUI_ToolbarObj.h"

#include "runtime/elements/CUI_ToolbarDelegate.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/windows/Toolbar.h"

#include <vector>

using platform::Ref;

namespace {

std::vector<Ref<CUI_ToolbarObj>>& records() {
    static std::vector<Ref<CUI_ToolbarObj>> all;
    return all;
}

} // namespace

CUI_ToolbarObj::CUI_ToolbarObj(Ref<platform::Toolbar> toolbar)
    : toolbar_(std::move(toolbar)), items_(platform::Dictionary::dictionary()),
      allowed_(platform::Array::array()), defaults_(platform::Array::array()) {}

void CUI_ToolbarObj::registerRecord(const Ref<CUI_ToolbarObj>& record) {
    if (!record || !record->toolbar_)
        return;
    records().push_back(record);
    ToolbarRegistry()->addObject(record->toolbar_);
    record->toolbar_->setDelegate(CUI_ToolbarDelegate::shared());
}

Ref<CUI_ToolbarObj> CUI_ToolbarObj::recordOf(const platform::Toolbar& toolbar) {
    const std::int64_t tag = IntegerValue(toolbar.identifier());
    for (const auto& record : records())
        if (IntegerValue(record->toolbar_->identifier()) == tag)
            return record;
    return nullptr;
}
