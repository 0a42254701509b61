#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <memory>

namespace platform {

class Dictionary;
class NotificationCenter;
class String;
struct DistributedNotificationPeer;

// Notifications between programs: a post goes out on the desktop session's message bus and
// reaches the observers of every program on it, this one included, while a loop runs. The
// object of a distributed notification is a string naming its sender; the values of its
// userInfo travel when they are strings or numbers, under string keys, and are left out
// otherwise. Without a session bus nothing is sent or received.
class DistributedNotificationCenter : public Object {
public:
    static Ref<DistributedNotificationCenter> defaultCenter();
    ~DistributedNotificationCenter() override;

    // None as the name or the object matches every name or object. The observer is not kept
    // alive.
    void addObserverSelectorNameObject(const Ref<Object>& observer, Selector selector,
                                       Ref<String> name, Ref<String> object);
    void removeObserver(const Object& observer);
    // The notification has left the program when the call returns.
    void postNotificationNameObjectUserInfo(const Ref<String>& name, const Ref<String>& object,
                                            const Ref<Dictionary>& userInfo = nullptr);

private:
    DistributedNotificationCenter();

    Ref<NotificationCenter> local_;
    std::unique_ptr<DistributedNotificationPeer> peer_;
};

} // namespace platform
