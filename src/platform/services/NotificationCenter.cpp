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
    // The observer's class does not change, so it responds at every notification.
    add(observer, std::move(name), object,
        [selector = std::move(selector)](Object& target, const Ref<Notification>& notification) {
            selector.send(target, notification);
        });
}

void NotificationCenter::addObserverForNameObjectUsingBlock(const Ref<Object>& observer,
                                                            Ref<String> name,
                                                            const Ref<Object>& object,
                                                            Block block) {
    if (!block)
        return;
    add(observer, std::move(name), object,
        [block = std::move(block)](Object&, const Ref<Notification>& notification) {
            block(notification);
        });
}

void NotificationCenter::add(const Ref<Object>& observer, Ref<String> name,
                             const Ref<Object>& object, Delivery deliver) {
    if (!observer)
        return;
    observations_.push_back(
        {observer, observer.get(), std::move(name), object, object == nullptr, std::move(deliver)});
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
        if (observation.name && observation.name != name &&
            (!name || !observation.name->isEqual(*name)))
            continue;
        if (!observation.anyObject && observation.object.lock() != object)
            continue;
        // Held while it hears the notification. A removal meanwhile only marks the observation,
        // so its delivery stays while it runs.
        const auto observer = observation.observer.lock();
        if (!observer) {
            removed_ = true;
            continue;
        }
        observation.deliver(*observer, notification);
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
