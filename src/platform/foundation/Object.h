#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace platform {

// Shared ownership of framework objects. Identity is the address of the object.
template <class T>
using Ref = std::shared_ptr<T>;
template <class T>
using WeakRef = std::weak_ptr<T>;

class Dictionary;
class String;

// The base of everything the runtime stores in records and lists. Objects are always owned
// through Ref, never copied, and carry a map of attached properties that any layer can use
// to hang its own values on an object it does not own.
class Object : public std::enable_shared_from_this<Object> {
public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object();

    // The name of the object's most derived class, without any namespace ("View", "Window").
    std::string className() const;
    virtual Ref<String> description() const;
    virtual bool isEqual(const Object& other) const { return this == &other; }
    virtual std::size_t hash() const;
    // Sent by the interface-file loader to every object it built, once the whole tree exists,
    // so that an object can reach its neighbours. Objects made in code never receive it.
    virtual void awakeFromNib() {}

    template <class T>
    bool isKindOf() const {
        return dynamic_cast<const T*>(this) != nullptr;
    }
    // This object as a T, or none when it is not one.
    template <class T>
    Ref<T> as() {
        return std::dynamic_pointer_cast<T>(shared_from_this());
    }
    template <class T>
    Ref<const T> as() const {
        return std::dynamic_pointer_cast<const T>(shared_from_this());
    }
    Ref<Object> self() { return shared_from_this(); }

    // Attached properties: setting replaces the earlier value, setting none removes the key,
    // and a key never set reads as none.
    void setAttachedProperty(std::string_view key, Ref<Object> value);
    Ref<Object> attachedProperty(std::string_view key) const;

    // Key-value coding: a key's value is the attached property of that name unless the class
    // answers the key itself, and setting it through setValueForKey tells its observers.
    virtual Ref<Object> valueForKey(std::string_view key) const;
    void setValueForKey(Ref<Object> value, std::string_view key);

    // Key-value observing. A key path here is a single key of this object. Observers are held
    // weakly and hear of each change between willChangeValueForKey and didChangeValueForKey
    // through observeValueForKeyPath, with a change dictionary as the options ask
    // (KeyValueObservation.h). Removing what was never added does nothing.
    void addObserver(const Ref<Object>& observer, std::string_view keyPath, std::uint64_t options,
                     void* context);
    void removeObserver(const Object& observer, std::string_view keyPath);
    void removeObserver(const Object& observer);
    void willChangeValueForKey(std::string_view key);
    void didChangeValueForKey(std::string_view key);
    // What an observer hears; nothing by default.
    virtual void observeValueForKeyPath(const Ref<String>& keyPath, const Ref<Object>& object,
                                        const Ref<Dictionary>& change, void* context);

private:
    std::unique_ptr<std::map<std::string, Ref<Object>, std::less<>>> attached_;
};

// Whether two possibly absent objects are equal in the framework's sense.
bool isEqual(const Ref<Object>& a, const Ref<Object>& b);

} // namespace platform
