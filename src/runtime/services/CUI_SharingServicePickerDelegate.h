#pragma once

// The delegate a program gives a sharing-service picker. The services to offer and the choice
// become sharing picker events (see EventCodes.h) for the dialog callback, with 0 as both tags
// and the picker as the object; the values are in this object's fields, not the shared record:
// the callback may replace theProposedServices, which the picker then offers. The chosen service
// shares with this object as its delegate, which stores nothing.

#include "platform/foundation/Object.h"
#include "platform/services/SharingServiceDelegate.h"
#include "platform/services/SharingServicePickerDelegate.h"

class CUI_SharingServicePickerDelegate : public platform::Object,
                                         public platform::SharingServicePickerDelegate,
                                         public platform::SharingServiceDelegate {
public:
    platform::Ref<platform::SharingServicePicker> theSharingServicePicker() const {
        return theSharingServicePicker_;
    }
    void setTheSharingServicePicker(platform::Ref<platform::SharingServicePicker> picker) {
        theSharingServicePicker_ = std::move(picker);
    }
    platform::Ref<platform::Array> theItems() const { return theItems_; }
    void setTheItems(platform::Ref<platform::Array> items) { theItems_ = std::move(items); }
    platform::Ref<platform::Array> theProposedServices() const { return theProposedServices_; }
    void setTheProposedServices(platform::Ref<platform::Array> services) {
        theProposedServices_ = std::move(services);
    }
    platform::Ref<platform::SharingService> theSharingService() const { return theSharingService_; }
    void setTheSharingService(platform::Ref<platform::SharingService> service) {
        theSharingService_ = std::move(service);
    }

    platform::Ref<platform::Array>
    sharingServicePickerSharingServicesForItemsProposedSharingServices(
        const platform::Ref<platform::SharingServicePicker>& picker,
        const platform::Ref<platform::Array>& items,
        const platform::Ref<platform::Array>& proposedServices) override;
    void sharingServicePickerDidChooseSharingService(
        const platform::Ref<platform::SharingServicePicker>& picker,
        const platform::Ref<platform::SharingService>& service) override;
    std::shared_ptr<platform::SharingServiceDelegate> sharingServicePickerDelegateForSharingService(
        const platform::Ref<platform::SharingServicePicker>& picker,
        const platform::Ref<platform::SharingService>& service) override;

private:
    platform::Ref<platform::SharingServicePicker> theSharingServicePicker_;
    platform::Ref<platform::Array> theItems_;
    platform::Ref<platform::Array> theProposedServices_;
    platform::Ref<platform::SharingService> theSharingService_;
};
