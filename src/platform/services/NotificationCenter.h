#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <cstddef>
#include <deque>
#include <functional>

namespace platform {

class Notification;
class String;

// Hands each posted notification to the observers registered for its name and object, in the
// order they were registered, on the thread that posts (the main thread). Observers are not kept
// alive, not even while they hear a notification: one that has gone is skipped and forgotten, and
// one whose own delivery releases it must not use itself afterwards (the runtime's observers do
// not). An observer registered or removed while a notification is being delivered takes part
// from the next notification on.
class NotificationCenter : public Object {
public:
    static Ref<NotificationCenter> defaultCenter();

    // The selector is sent to the observer with the notification. None as the name or the object
    // matches every name or object.
    void addObserverSelectorNameObject(const Ref<Object>& observer, Selector selector,
                                       Ref<String> name, const Ref<Object>& object);
    using Block = std::function<void(const Ref<Notification>&)>;
    // The block is called while the observer lives; the observer only identifies it for
    // removeObserver.
    void addObserverForNameObjectUsingBlock(const Ref<Object>& observer, Ref<String> name,
                                            const Ref<Object>& object, Block block);
    // Every registration of the observer.
    void removeObserver(const Object& observer);

    void postNotification(const Ref<Notification>& notification);
    void postNotificationNameObject(Ref<String> name, Ref<Object> object,
                                    Ref<Object> userInfo = nullptr);

private:
    // A registration hears through its selector, sent to the observer, or through its block.
    struct Observation {
        WeakRef<Object> observer;
        Object* identity;
        Ref<String> name;
        WeakRef<Object> object;
        bool anyObject;
        Selector selector;
        Block block;
        bool matches(const Ref<String>& posted, const Ref<Object>& postedObject) const;
    };
    void add(const Ref<Object>& observer, Ref<String> name, const Ref<Object>& object,
             Selector selector, Block block);
    void forgetRemoved();

    // A deque: registering while a notification is delivered moves no observation.
    std::deque<Observation> observations_;
    int posting_ = 0;
    bool removed_ = false;
};

} // namespace platform
