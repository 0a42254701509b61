#include "platform/foundation/Object.h"

#include "platform/foundation/KeyValueObservation.h"
#include "platform/foundation/String.h"

#include <cstdio>
#include <cstdlib>
#include <cxxabi.h>
#include <functional>
#include <typeinfo>

namespace platform {

Object::~Object() = default;

std::string Object::className() const {
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(
        abi::__cxa_demangle(typeid(*this).name(), nullptr, nullptr, &status), &std::free);
    std::string name = status == 0 && demangled ? demangled.get() : typeid(*this).name();
    const auto colon = name.rfind("::");
    return colon == std::string::npos ? name : name.substr(colon + 2);
}

Ref<String> Object::description() const {
    char address[32];
    std::snprintf(address, sizeof address, "%p", static_cast<const void*>(this));
    return String::fromUtf8("<" + className() + ": " + address + ">");
}

std::size_t Object::hash() const {
    return std::hash<const void*>{}(this);
}

void Object::setAttachedProperty(std::string_view key, Ref<Object> value) {
    if (!value) {
        if (attached_)
            if (auto it = attached_->find(key); it != attached_->end())
                attached_->erase(it);
        return;
    }
    if (!attached_)
        attached_ = std::make_unique<std::map<std::string, Ref<Object>, std::less<>>>();
    (*attached_)[std::string(key)] = std::move(value);
}

Ref<Object> Object::attachedProperty(std::string_view key) const {
    if (!attached_)
        return nullptr;
    const auto it = attached_->find(key);
    return it == attached_->end() ? nullptr : it->second;
}

bool isEqual(const Ref<Object>& a, const Ref<Object>& b) {
    if (a == b)
        return true;
    return a && b && a->isEqual(*b);
}

Ref<Object> Object::valueForKey(std::string_view key) const {
    return attachedProperty(key);
}

void Object::setValueForKey(Ref<Object> value, std::string_view key) {
    willChangeValueForKey(key);
    setAttachedProperty(key, std::move(value));
    didChangeValueForKey(key);
}

void Object::addObserver(const Ref<Object>& observer, std::string_view keyPath,
                         std::uint64_t options, void* context) {
    if (!observer)
        return;
    const auto observation = KeyValueObservation::of(*this, true);
    observation->add(observer, keyPath, options, context);
    if (options & KeyValueObservingOptions::Initial)
        observation->sendInitial(*this, observer, keyPath, options, context);
}

void Object::removeObserver(const Object& observer, std::string_view keyPath) {
    const std::string path(keyPath);
    if (const auto observation = KeyValueObservation::of(*this, false))
        observation->remove(observer, &path);
}

void Object::removeObserver(const Object& observer) {
    if (const auto observation = KeyValueObservation::of(*this, false))
        observation->remove(observer, nullptr);
}

void Object::willChangeValueForKey(std::string_view key) {
    if (const auto observation = KeyValueObservation::of(*this, false))
        observation->willChange(*this, key);
}

void Object::didChangeValueForKey(std::string_view key) {
    if (const auto observation = KeyValueObservation::of(*this, false))
        observation->didChange(*this, key);
}

void Object::observeValueForKeyPath(const Ref<String>&, const Ref<Object>&, const Ref<Dictionary>&,
                                    void*) {}

} // namespace platform
