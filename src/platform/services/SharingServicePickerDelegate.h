#pragma once

#include "platform/foundation/Object.h"

#include <memory>

namespace platform {

class Array;
class SharingService;
class SharingServiceDelegate;
class SharingServicePicker;

// What a sharing-service picker asks and tells its delegate. By default the proposed services
// are offered, a choice is not reported, and a chosen service keeps its own delegate.
class SharingServicePickerDelegate {
public:
    virtual ~SharingServicePickerDelegate();

    // The services to offer, from those proposed for the items.
    virtual Ref<Array> sharingServicePickerSharingServicesForItemsProposedSharingServices(
        const Ref<SharingServicePicker>& picker, const Ref<Array>& items,
        const Ref<Array>& proposedServices);
    // None when the menu was dismissed.
    virtual void
    sharingServicePickerDidChooseSharingService(const Ref<SharingServicePicker>& picker,
                                                const Ref<SharingService>& service);
    // The delegate the chosen service shares with.
    virtual std::shared_ptr<SharingServiceDelegate>
    sharingServicePickerDelegateForSharingService(const Ref<SharingServicePicker>& picker,
                                                  const Ref<SharingService>& service);
};

} // namespace platform
