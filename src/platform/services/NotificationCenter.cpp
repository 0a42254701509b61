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
    add(observer, std::move(name), object, std::move(selector), nullptr);
}

void NotificationCenter::addObserverForNameObjectUsingBlock(const Ref<Object>& observer,
                                                            Ref<String> name,
                                                            const Ref<Object>& object,
                                                            Block block) {
    if (!block)
        return;
    add(observer, std::move(name), object, Selector(), std::move(block));
}

void NotificationCenter::add(const Ref<Object>& observer, Ref<String> name,
                             const Ref<Object>& object, Selector selector, Block block) {
    if (!observer)
        return;
    observations_.push_back({observer, observer.get(), std::move(name), object, object == nullptr,
                             std::move(selector), std::move(block)});
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

inline bool NotificationCenter::Observation::matches(const Ref<String>& posted,
                                                     const Ref<Object>& postedObject) const {
    if (name && name != posted && (!posted || !name->isEqual(*posted)))
        return false;
    // The same object shares its owner with the registration's: no count is taken to compare.
    return anyObject || (!object.owner_before(postedObject) && !postedObject.owner_before(object) &&
                         postedObject);
}

void NotificationCenter::postNotification(const Ref<Notification>& notification) {
    if (!notification)
        return;
    const Ref<String>& name = notification->name();
    const Ref<Object>& object = notification->object();
    ++posting_;
    // By index: a block may register more observers, which wait for the next notification.
    const std::size_t count = observations_.size();
    for (std::size_t i = 0; i < count; ++i) {
        const Observation& observation = observations_[i];
        if (!observation.matches(name, object))
            continue;
        // Not held while it hears the notification, which would count it up and down at each
        // delivery; on the main thread nothing else can release it meanwhile. A removal only
        // marks the observation, so its delivery stays while it runs.
        if (observation.observer.expired()) {
            removed_ = true;
            continue;
        }
        if (observation.block)
            observation.block(notification);
        else
            observation.selector.send(*observation.identity, notification);
    }
    --posting_;
    if (removed_)
        forgetRemoved();
}

void NotificationCenter::postNotificationNameObject(Ref<String> name, Ref<Object> object,
                                                    Ref<Object> userInfo) {
    // Nothing is made for a notification nobody hears.
    if (std::ranges::none_of(observations_, [&](const Observation& observation) {
            return observation.matches(name, object) && !observation.observer.expired();
        }))
        return;
    postNotification(
        std::make_shared<Notification>(std::move(name), std::move(object), std::move(userInfo)));
}

} // namespace platform
