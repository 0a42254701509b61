#include "platform/services/NotificationCenter.h"

#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"

#include <algorithm>

namespace platform {

Ref<NotificationCenter> NotificationCenter::defaultCenter() {
    static const auto center = std::make_shared<NotificationCenter>();
    return center;
}

void NotificationCenter::addObserverSelectorNameObject(const Ref<Object>& observer,
                                                       Selector selector, Ref<String> name,
                                                       const Ref<Object>& object) {
    if (!observer || !selector.respondsOn(*observer))
        return;
    addObserverForNameObjectUsingBlock(
        observer, std::move(name), object,
        [weak = WeakRef<Object>(observer),
         selector = std::move(selector)](const Ref<Notification>& notification) {
            if (const auto target = weak.lock())
                selector.performOn(*target, notification);
        });
}

void NotificationCenter::addObserverForNameObjectUsingBlock(const Ref<Object>& observer,
                                                            Ref<String> name,
                                                            const Ref<Object>& object,
                                                            Block block) {
    if (!observer || !block)
        return;
    observations_.push_back(
        {observer, observer.get(), std::move(name), object, object == nullptr, std::move(block)});
}

void NotificationCenter::removeObserver(const Object& observer) {
    for (auto& observation : observations_)
        if (observation.identity == &observer) {
            observation.identity = nullptr;
            observation.observer.reset();
            removed_ = true;
        }
    forgetRemoved();
}

void NotificationCenter::forgetRemoved() {
    if (posting_ > 0 || !removed_)
        return;
    removed_ = false;
    std::erase_if(observations_, [](const Observation& o) { return o.observer.expired(); });
}

void NotificationCenter::postNotification(const Ref<Notification>& notification) {
    if (!notification)
        return;
    const Ref<String>& name = notification->name();
    const Ref<Object> object = notification->object();
    ++posting_;
    // By index: a block may register more observers, which wait for the next notification.
    const std::size_t count = observations_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Observation& observation = observations_[i];
        if (observation.observer.expired()) {
            removed_ = true;
            continue;
        }
        if (observation.name && observation.name != name &&
            (!name || !observation.name->isEqual(*name)))
            continue;
        if (!observation.anyObject && observation.object.lock() != object)
            continue;
        // A removal meanwhile only marks the observation, so the block stays while it runs.
        observation.block(notification);
    }
    --posting_;
    forgetRemoved();
}

void NotificationCenter::postNotificationNameObject(Ref<String> name, Ref<Object> object,
                                                    Ref<Object> userInfo) {
    postNotification(
        std::make_shared<Notification>(std::move(name), std::move(object), std::move(userInfo)));
}

} // namespace platform
