#include "platform/foundation/KeyValueObservation.h"

#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Null.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"

#include <algorithm>

namespace platform {

namespace {

constexpr std::string_view kAttachedKey = "platform.keyValueObservation";

Ref<String> text(std::string_view utf8) {
    return String::fromUtf8(utf8);
}

} // namespace

Ref<KeyValueObservation> KeyValueObservation::of(Object& object, bool create) {
    auto observation =
        std::static_pointer_cast<KeyValueObservation>(object.attachedProperty(kAttachedKey));
    if (!observation && create) {
        observation = std::make_shared<KeyValueObservation>();
        object.setAttachedProperty(kAttachedKey, observation);
    }
    return observation;
}

void KeyValueObservation::add(const Ref<Object>& observer, std::string_view keyPath,
                              std::uint64_t options, void* context) {
    registrations_.push_back({observer, std::string(keyPath), options, context});
}

void KeyValueObservation::remove(const Object& observer, const std::string* keyPath) {
    std::erase_if(registrations_, [&](const Registration& r) {
        const auto held = r.observer.lock();
        return !held || (held.get() == &observer && (!keyPath || r.keyPath == *keyPath));
    });
}

bool KeyValueObservation::isObserved(std::string_view key) const {
    return std::any_of(registrations_.begin(), registrations_.end(),
                       [&](const Registration& r) { return r.keyPath == key; });
}

void KeyValueObservation::willChange(Object& object, std::string_view key) {
    // A change of a key nobody observes costs nothing, as a view's frame moving in a layout
    // while its hidden state is watched.
    if (!isObserved(key))
        return;
    Ref<Object> oldValue = object.valueForKey(key);
    pending_.push_back({std::string(key), oldValue});
    send(object, key, oldValue, nullptr, true);
}

void KeyValueObservation::didChange(Object& object, std::string_view key) {
    // The innermost open change of the key; a change that never began has no old value.
    Ref<Object> oldValue;
    const auto open = std::find_if(pending_.rbegin(), pending_.rend(),
                                   [&](const Pending& p) { return p.key == key; });
    if (open != pending_.rend()) {
        oldValue = open->oldValue;
        pending_.erase(std::next(open).base());
    } else if (!isObserved(key)) {
        return;
    }
    send(object, key, oldValue, object.valueForKey(key), false);
}

void KeyValueObservation::sendInitial(Object& object, const Ref<Object>& observer,
                                      std::string_view keyPath, std::uint64_t options,
                                      void* context) {
    observer->observeValueForKeyPath(text(keyPath), object.self(),
                                     change(nullptr, object.valueForKey(keyPath),
                                            options & ~KeyValueObservingOptions::Old, false),
                                     context);
}

Ref<Dictionary> KeyValueObservation::change(const Ref<Object>& oldValue,
                                            const Ref<Object>& newValue, std::uint64_t options,
                                            bool prior) {
    const auto change = Dictionary::dictionary();
    change->setObjectForKey(Number::numberWithInteger(kKeyValueChangeSetting),
                            text(kKeyValueChangeKindKey));
    // An absent value is reported as the null object, so that the key is there when asked for.
    if (options & KeyValueObservingOptions::Old)
        change->setObjectForKey(oldValue ? oldValue : Null::null(), text(kKeyValueChangeOldKey));
    if (prior)
        change->setObjectForKey(Number::numberWithBool(true),
                                text(kKeyValueChangeNotificationIsPriorKey));
    else if (options & KeyValueObservingOptions::New)
        change->setObjectForKey(newValue ? newValue : Null::null(), text(kKeyValueChangeNewKey));
    return change;
}

void KeyValueObservation::send(Object& object, std::string_view key, const Ref<Object>& oldValue,
                               const Ref<Object>& newValue, bool prior) {
    // Copied, because an observer may add or remove registrations while it is told.
    const auto registrations = registrations_;
    const auto observed = object.self();
    for (const Registration& r : registrations) {
        const auto observer = r.observer.lock();
        if (!observer || r.keyPath != key ||
            (prior && !(r.options & KeyValueObservingOptions::Prior)))
            continue;
        observer->observeValueForKeyPath(text(key), observed,
                                         change(oldValue, newValue, r.options, prior), r.context);
    }
}

} // namespace platform
