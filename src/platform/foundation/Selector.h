#pragma once

#include "platform/foundation/Object.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace platform {

// An action message: the framework's selector name ("terminate:") together with the method that
// performs it. A target responds to the message when it is of the class that declares the
// method. Two selectors are equal when their names are.
class Selector {
public:
    Selector() = default;
    template <class T>
    Selector(std::string name, void (T::*method)(const Ref<Object>&))
        : data_(std::make_shared<const Data>(
              Data{std::move(name),
                   [](const Object& target) { return dynamic_cast<const T*>(&target) != nullptr; },
                   [method](Object& target, const Ref<Object>& sender) {
                       (dynamic_cast<T&>(target).*method)(sender);
                   }})) {}

    const std::string& name() const {
        static const std::string none;
        return data_ ? data_->name : none;
    }
    bool isNull() const { return name().empty(); }
    bool respondsOn(const Object& target) const { return data_ && data_->responds(target); }
    // Sends the message to the target; answers whether the target responded to it.
    bool performOn(Object& target, const Ref<Object>& sender) const {
        if (!respondsOn(target))
            return false;
        send(target, sender);
        return true;
    }
    // Sends the message to a target known to respond to it, without asking again.
    void send(Object& target, const Ref<Object>& sender) const { data_->send(target, sender); }

    friend bool operator==(const Selector& a, const Selector& b) { return a.name() == b.name(); }

private:
    // Shared by the copies, which undo registrations and menu items make in numbers.
    struct Data {
        std::string name;
        std::function<bool(const Object&)> responds;
        std::function<void(Object&, const Ref<Object>&)> send;
    };
    std::shared_ptr<const Data> data_;
};

} // namespace platform
