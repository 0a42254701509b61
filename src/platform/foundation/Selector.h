#pragma once

#include "platform/foundation/Object.h"

#include <functional>
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
        : name_(std::move(name)), responds_([](const Object& target) {
              return dynamic_cast<const T*>(&target) != nullptr;
          }),
          send_([method](Object& target, const Ref<Object>& sender) {
              (dynamic_cast<T&>(target).*method)(sender);
          }) {}

    const std::string& name() const { return name_; }
    bool isNull() const { return name_.empty(); }
    bool respondsOn(const Object& target) const { return responds_ && responds_(target); }
    // Sends the message to the target; answers whether the target responded to it.
    bool performOn(Object& target, const Ref<Object>& sender) const {
        if (!respondsOn(target))
            return false;
        send_(target, sender);
        return true;
    }

    friend bool operator==(const Selector& a, const Selector& b) { return a.name_ == b.name_; }

private:
    std::string name_;
    std::function<bool(const Object&)> responds_;
    std::function<void(Object&, const Ref<Object>&)> send_;
};

} // namespace platform
