#include "runtime/elements/CUI_ViewToolTipOwner.h"

#include "runtime/shell/ViewLookup.h"
#include "runtime/shell/ViewTag.h"
#include "runtime/shell/WindowOperations.h"

#include "platform/foundation/String.h"
#include "platform/views/View.h"

using platform::Ref;

Ref<platform::String> CUI_ViewToolTipOwner::stringForToolTip(platform::View& view, std::int64_t tag,
                                                             platform::Point, void* userData) {
    return stringForToolTipCallback_(ViewTag(view), ViewWindowTag(view), tag, userData);
}

std::int64_t ViewToolTipAdd(const TagOrRef& view, platform::Rect rect, ToolTipCallback callback,
                            void* userData) {
    const auto found = ViewWithTag(view);
    if (!found || !callback)
        return 0;
    const auto owner = std::make_shared<CUI_ViewToolTipOwner>(found, callback);
    owner->setToolTipTag(found->addToolTipRect(rect, owner, userData));
    return owner->toolTipTag();
}
