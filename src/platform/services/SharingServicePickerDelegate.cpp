#include "platform/services/SharingServicePickerDelegate.h"

#include "platform/services/SharingService.h"

namespace platform {

SharingServicePickerDelegate::~SharingServicePickerDelegate() = default;

Ref<Array>
SharingServicePickerDelegate::sharingServicePickerSharingServicesForItemsProposedSharingServices(
    const Ref<SharingServicePicker>&, const Ref<Array>&, const Ref<Array>& proposedServices) {
    return proposedServices;
}

void SharingServicePickerDelegate::sharingServicePickerDidChooseSharingService(
    const Ref<SharingServicePicker>&, const Ref<SharingService>&) {}

std::shared_ptr<SharingServiceDelegate>
SharingServicePickerDelegate::sharingServicePickerDelegateForSharingService(
    const Ref<SharingServicePicker>&, const Ref<SharingService>& service) {
    return service ? service->delegate() : nullptr;
}

} // namespace platform
