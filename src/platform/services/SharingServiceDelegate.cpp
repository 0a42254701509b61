#include "platform/services/SharingServiceDelegate.h"

namespace platform {

SharingServiceDelegate::~SharingServiceDelegate() = default;

void SharingServiceDelegate::sharingServiceWillShareItems(const Ref<SharingService>&,
                                                          const Ref<Array>&) {}
void SharingServiceDelegate::sharingServiceDidShareItems(const Ref<SharingService>&,
                                                         const Ref<Array>&) {}
void SharingServiceDelegate::sharingServiceDidFailToShareItemsError(const Ref<SharingService>&,
                                                                    const Ref<Array>&,
                                                                    const Ref<Error>&) {}
Ref<Window> SharingServiceDelegate::sharingServiceSourceWindowForShareItemsSharingContentScope(
    const Ref<SharingService>&, const Ref<Array>&, std::int64_t*) {
    return nullptr;
}

} // namespace platform
