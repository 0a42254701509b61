#pragma once

#include "platform/foundation/Object.h"

#include <memory>
#include <string>
#include <typeinfo>
#include <utility>

namespace platform {

// An action message: the framework's selector name ("terminate:") together with the method that
// performs it. A target responds to the message when it is of the class that declares the
// method. The method takes one object, of any class; an argument of that very class reaches it
// as it was sent, another is converted (to none when it is not of that class). Two selectors are
// equal when their names are.
class Selector {
public:
    Selector() = default;
    template <class T, class A>
    Selector(std::string name, void (T::*method)(const Ref<A>&))
        : data_(std::make_shared<const Model<T, A>>(std::move(name), method)) {}

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
    // Sends the message to a target known to respond to it, without asking again: the method is
    // called straight, with no check of the target's class.
    template <class A>
    void send(Object& target, const Ref<A>& argument) const {
        if (data_->argumentType == typeid(A))
            data_->sendExact(*data_, target, &argument);
        else
            data_->sendObject(*data_, target, argument);
    }

    friend bool operator==(const Selector& a, const Selector& b) { return a.name() == b.name(); }

private:
    // Shared by the copies, which undo registrations and menu items make in numbers.
    struct Data {
        std::string name;
        const std::type_info& argumentType;
        bool (*responds)(const Object& target);
        // The argument is a Ref of argumentType.
        void (*sendExact)(const Data& data, Object& target, const void* argument);
        void (*sendObject)(const Data& data, Object& target, const Ref<Object>& argument);
    };
    template <class T, class A>
    struct Model : Data {
        Model(std::string selectorName, void (T::*m)(const Ref<A>&))
            : Data{std::move(selectorName), typeid(A), &isT, &callExact, &callObject}, method(m) {}
        static bool isT(const Object& target) { return dynamic_cast<const T*>(&target) != nullptr; }
        static void callExact(const Data& data, Object& target, const void* argument) {
            (static_cast<T&>(target).*
             static_cast<const Model&>(data).method)(*static_cast<const Ref<A>*>(argument));
        }
        static void callObject(const Data& data, Object& target, const Ref<Object>& argument) {
            (static_cast<T&>(target).*
             static_cast<const Model&>(data).method)(std::dynamic_pointer_cast<A>(argument));
        }
        void (T::*method)(const Ref<A>&);
    };
    std::shared_ptr<const Data> data_;
};

} // namespace platform
