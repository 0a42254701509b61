#include "runtime/services/CUI_SharingServiceDelegate.h"

#include "platform/drawing/Image.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Error.h"
#include "platform/services/SharingService.h"
#include "platform/windows/Window.h"

using platform::Ref;

void CUI_SharingServiceDelegate::sharingServiceWillShareItems(
    const Ref<platform::SharingService>& service, const Ref<platform::Array>& items) {
    theSharingService_ = service;
    theItems_ = items;
}

void CUI_SharingServiceDelegate::sharingServiceDidShareItems(
    const Ref<platform::SharingService>& service, const Ref<platform::Array>& items) {
    theSharingService_ = service;
    theItems_ = items;
}

void CUI_SharingServiceDelegate::sharingServiceDidFailToShareItemsError(
    const Ref<platform::SharingService>& service, const Ref<platform::Array>& items,
    const Ref<platform::Error>& error) {
    theSharingService_ = service;
    theItems_ = items;
    theError_ = error;
}

Ref<platform::Window>
CUI_SharingServiceDelegate::sharingServiceSourceWindowForShareItemsSharingContentScope(
    const Ref<platform::SharingService>& service, const Ref<platform::Array>& items,
    std::int64_t* scope) {
    theSharingService_ = service;
    theItems_ = items;
    if (scope)
        *scope = 0;
    return theSourceWindow_;
}
