#include "platform/foundation/Notification.h"

#include "platform/foundation/String.h"

namespace platform {

Notification::Notification(Ref<String> name, Ref<Object> object, Ref<Object> userInfo)
    : name_(std::move(name)), object_(std::move(object)), userInfo_(std::move(userInfo)) {}

} // namespace platform
