#include "runtime/services/CUI_SharingServicePickerDelegate.h"

#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"

#include "platform/foundation/Array.h"
#include "platform/services/SharingService.h"
#include "platform/services/SharingServicePicker.h"

using platform::Ref;

Ref<platform::Array> CUI_SharingServicePickerDelegate::
    sharingServicePickerSharingServicesForItemsProposedSharingServices(
        const Ref<platform::SharingServicePicker>& picker, const Ref<platform::Array>& items,
        const Ref<platform::Array>& proposedServices) {
    theSharingServicePicker_ = picker;
    theItems_ = items;
    theProposedServices_ = proposedServices;
    DialogCallbackCall(SharingPickerEvent::ServicesForItems, 0, 0, picker);
    return theProposedServices_;
}

void CUI_SharingServicePickerDelegate::sharingServicePickerDidChooseSharingService(
    const Ref<platform::SharingServicePicker>& picker,
    const Ref<platform::SharingService>& service) {
    theSharingServicePicker_ = picker;
    theSharingService_ = service;
    DialogCallbackCall(SharingPickerEvent::DidChooseService, 0, 0, picker);
}

std::shared_ptr<platform::SharingServiceDelegate>
CUI_SharingServicePickerDelegate::sharingServicePickerDelegateForSharingService(
    const Ref<platform::SharingServicePicker>&, const Ref<platform::SharingService>&) {
    return std::dynamic_pointer_cast<platform::SharingServiceDelegate>(self());
}
