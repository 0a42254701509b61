#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Array;
class Error;
class SharingService;
class Window;

// What a sharing service tells and asks its delegate about one share. By default nothing is
// done and no source window is named.
class SharingServiceDelegate {
public:
    virtual ~SharingServiceDelegate();

    virtual void sharingServiceWillShareItems(const Ref<SharingService>& service,
                                              const Ref<Array>& items);
    virtual void sharingServiceDidShareItems(const Ref<SharingService>& service,
                                             const Ref<Array>& items);
    virtual void sharingServiceDidFailToShareItemsError(const Ref<SharingService>& service,
                                                        const Ref<Array>& items,
                                                        const Ref<Error>& error);
    // The window the items come from, which a service that asks the user something (saving)
    // shows its panel over. The scope (0 the item, 1 part of the content, 2 all of it) may be
    // changed.
    virtual Ref<Window> sharingServiceSourceWindowForShareItemsSharingContentScope(
        const Ref<SharingService>& service, const Ref<Array>& items, std::int64_t* scope);
};

} // namespace platform
