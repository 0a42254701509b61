#pragma once

// An observer of the default notification centre that hands each notification it receives to a
// program function.
//
//     platform::NotificationCenter::defaultCenter()->addObserverSelectorNameObject(
//         observer, CUI_NotificationCenter::receiveSelector(), observer->name(), nullptr);

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

namespace platform {
class Notification;
class String;
} // namespace platform

class CUI_NotificationCenter : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Notification>& notification);

    // Only sets the fields: the program registers the observer.
    CUI_NotificationCenter(Callback initial, platform::Ref<platform::String> name)
        : callback_(initial), name_(std::move(name)) {}

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }
    // The name of the notifications the program means to observe.
    platform::Ref<platform::String> name() const { return name_; }
    void setName(platform::Ref<platform::String> newName) { name_ = std::move(newName); }

    // Does nothing while no callback is set.
    void didReceiveNotification(const platform::Ref<platform::Notification>& notification);
    // The message that reaches didReceiveNotification, made once.
    static const platform::Selector& receiveSelector();

private:
    Callback callback_;
    platform::Ref<platform::String> name_;
};
