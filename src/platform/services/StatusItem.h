#pragma once

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

#include <memory>

namespace platform {

class String;
struct StatusItemPeer;

// An item of the desktop's status area. It is published on the session bus as a status
// notifier item and registered with the desktop's watcher: at once when a watcher runs, else
// as soon as one appears. A click on it sends the action to the target with the item as the
// sender; a program that sets no action hears nothing. Without a session bus the item is kept
// but shown nowhere.
class StatusItem : public Object {
public:
    // Made by StatusBar::statusItemWithLength.
    explicit StatusItem(double length);
    ~StatusItem() override;

    double length() const { return length_; }
    void setLength(double length) { length_ = length; }
    Ref<String> title() const { return title_; }
    void setTitle(Ref<String> title);
    // The name of an icon of the desktop's icon theme.
    Ref<String> imageName() const { return imageName_; }
    void setImageName(Ref<String> name);
    bool isVisible() const { return visible_; }
    void setVisible(bool visible);

    Selector action() const { return action_; }
    void setAction(Selector action) { action_ = std::move(action); }
    // Not kept alive.
    Ref<Object> target() const { return target_.lock(); }
    void setTarget(const Ref<Object>& target) { target_ = target; }

    // Whether a watcher of the desktop has taken the item.
    bool isRegistered() const;

private:
    friend class StatusBar;
    friend struct StatusItemPeer;
    // Leaves the status area: the item's name on the bus is given up.
    void withdraw();
    void sendAction();

    double length_;
    Ref<String> title_;
    Ref<String> imageName_;
    bool visible_ = true;
    Selector action_;
    WeakRef<Object> target_;
    std::unique_ptr<StatusItemPeer> peer_;
};

} // namespace platform
