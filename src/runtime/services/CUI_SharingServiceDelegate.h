#pragma once

// The delegate a program gives a sharing service. It calls nothing: each message stores what
// it carries in the fields, where the program reads it. Asked for the source window, it stores
// the service and the items, narrows the content scope to the item (0) and answers the
// theSourceWindow field.

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"
#include "platform/services/SharingServiceDelegate.h"

#include <cstdint>

namespace platform {
class Image;
} // namespace platform

// Every field: its type and its name, which the getter carries and the setter capitalises.
#define CUI_SHARING_SERVICE_FIELDS(X)                                                              \
    X(platform::Ref<platform::SharingService>, theSharingService, TheSharingService)               \
    X(platform::Ref<platform::Array>, theItems, TheItems)                                          \
    X(platform::Ref<platform::Error>, theError, TheError)                                          \
    X(platform::Ref<platform::Object>, theItem, TheItem)                                           \
    X(platform::Ref<platform::Image>, theTransitionImage, TheTransitionImage)                      \
    X(std::int64_t, theSharingContentScope, TheSharingContentScope)                                \
    X(std::uint64_t, thePreferredEdge, ThePreferredEdge)                                           \
    X(platform::Ref<platform::Window>, theSourceWindow, TheSourceWindow)                           \
    X(platform::Rect, theSourceFrame, TheSourceFrame)                                              \
    X(platform::Rect, theContentRect, TheContentRect)                                              \
    X(platform::Rect, thePositioningRect, ThePositioningRect)

class CUI_SharingServiceDelegate : public platform::Object,
                                   public platform::SharingServiceDelegate {
public:
#define CUI_SHARING_SERVICE_ACCESSORS(Type, name, Name)                                            \
    Type name() const {                                                                            \
        return name##_;                                                                            \
    }                                                                                              \
    void set##Name(Type value) {                                                                   \
        name##_ = std::move(value);                                                                \
    }
    CUI_SHARING_SERVICE_FIELDS(CUI_SHARING_SERVICE_ACCESSORS)
#undef CUI_SHARING_SERVICE_ACCESSORS

    void sharingServiceWillShareItems(const platform::Ref<platform::SharingService>& service,
                                      const platform::Ref<platform::Array>& items) override;
    void sharingServiceDidShareItems(const platform::Ref<platform::SharingService>& service,
                                     const platform::Ref<platform::Array>& items) override;
    void
    sharingServiceDidFailToShareItemsError(const platform::Ref<platform::SharingService>& service,
                                           const platform::Ref<platform::Array>& items,
                                           const platform::Ref<platform::Error>& error) override;
    platform::Ref<platform::Window> sharingServiceSourceWindowForShareItemsSharingContentScope(
        const platform::Ref<platform::SharingService>& service,
        const platform::Ref<platform::Array>& items, std::int64_t* scope) override;

private:
#define CUI_SHARING_SERVICE_STORAGE(Type, name, Name) Type name##_{};
    CUI_SHARING_SERVICE_FIELDS(CUI_SHARING_SERVICE_STORAGE)
#undef CUI_SHARING_SERVICE_STORAGE
};
