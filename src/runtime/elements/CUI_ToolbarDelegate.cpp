#include "runtime/elements/CUI_ToolbarDelegate.h"

#include "runtime/elements/CUI_ToolbarItemTarget.h"
#include "runtime/elements/CUI_ToolbarObj.h"
#include "runtime/elements/ToolbarItemSC.h"

#include "platform/drawing/Image.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/windows/Toolbar.h"

using platform::Array;
using platform::Ref;
using platform::Toolbar;

namespace {

Ref<CUI_ToolbarObj> recordOf(const Ref<Toolbar>& toolbar) {
    return toolbar ? CUI_ToolbarObj::recordOf(*toolbar) : nullptr;
}

template <class T>
Ref<T> valueOf(const platform::Dictionary& description, const char* key) {
    const auto value = description.objectForKey(platform::String::fromUtf8(key));
    return value ? value->as<T>() : nullptr;
}

} // namespace

const std::shared_ptr<CUI_ToolbarDelegate>& CUI_ToolbarDelegate::shared() {
    static const std::shared_ptr<CUI_ToolbarDelegate> delegate =
        std::make_shared<CUI_ToolbarDelegate>();
    return delegate;
}

Ref<platform::ToolbarItem>
CUI_ToolbarDelegate::toolbarItemForItemIdentifier(const Ref<Toolbar>& toolbar,
                                                  const Ref<platform::String>& identifier, bool) {
    auto item = std::make_shared<ToolbarItemSC>(identifier);
    const auto record = recordOf(toolbar);
    const auto entry = record && identifier ? record->items()->objectForKey(identifier) : nullptr;
    const auto description = entry ? entry->as<platform::Dictionary>() : nullptr;
    if (!description)
        return item;
    if (const auto tag = valueOf<platform::Number>(*description, "Tag"))
        item->setTag(tag->integerValue());
    if (const auto label = valueOf<platform::String>(*description, "Label"))
        item->setLabel(label);
    if (const auto image = valueOf<platform::Image>(*description, "Image"))
        item->setImage(image);
    item->setTarget(CUI_ToolbarItemTarget::shared());
    item->setAction({"toolbarItemAction:", &CUI_ToolbarItemTarget::toolbarItemAction});
    return item;
}

Ref<Array> CUI_ToolbarDelegate::toolbarAllowedItemIdentifiers(const Ref<Toolbar>& toolbar) {
    const auto record = recordOf(toolbar);
    return record ? record->allowedIdentifiers() : nullptr;
}

Ref<Array> CUI_ToolbarDelegate::toolbarDefaultItemIdentifiers(const Ref<Toolbar>& toolbar) {
    const auto record = recordOf(toolbar);
    return record ? record->defaultIdentifiers() : nullptr;
}

Ref<Array> CUI_ToolbarDelegate::toolbarSelectableItemIdentifiers(const Ref<Toolbar>& toolbar) {
    const auto record = recordOf(toolbar);
    return record ? record->selectableIdentifiers() : nullptr;
}

Ref<Array> CUI_ToolbarDelegate::toolbarImmovableItemIdentifiers(const Ref<Toolbar>& toolbar) {
    const auto record = recordOf(toolbar);
    return record ? record->immovableIdentifiers() : nullptr;
}
