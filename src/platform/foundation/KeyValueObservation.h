#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Dictionary;

// What an observer asks to be told, as the framework numbers it.
namespace KeyValueObservingOptions {
inline constexpr std::uint64_t New = 0x01;
inline constexpr std::uint64_t Old = 0x02;
inline constexpr std::uint64_t Initial = 0x04;
inline constexpr std::uint64_t Prior = 0x08;
} // namespace KeyValueObservingOptions

// The keys of a change dictionary and the one kind of change the platform reports.
inline constexpr std::string_view kKeyValueChangeKindKey = "kind";
inline constexpr std::string_view kKeyValueChangeNewKey = "new";
inline constexpr std::string_view kKeyValueChangeOldKey = "old";
inline constexpr std::string_view kKeyValueChangeNotificationIsPriorKey = "notificationIsPrior";
inline constexpr std::int64_t kKeyValueChangeSetting = 1;

// The observers of one object's keys, hung on the object as an attached property so that
// objects nobody observes pay nothing. Observers are held weakly: one that has gone away is
// skipped and forgotten. Changes may nest; each key remembers its old values until the matching
// end of the change.
class KeyValueObservation : public Object {
public:
    // The observation list of an object, made on first use when asked to.
    static Ref<KeyValueObservation> of(Object& object, bool create);

    void add(const Ref<Object>& observer, std::string_view keyPath, std::uint64_t options,
             void* context);
    // Each registration of the observer for the key path, or for every key path when none is
    // given; anything not registered is ignored.
    void remove(const Object& observer, const std::string* keyPath);

    void willChange(Object& object, std::string_view key);
    void didChange(Object& object, std::string_view key);
    // The first message a new observer asked for with the initial option.
    void sendInitial(Object& object, const Ref<Object>& observer, std::string_view keyPath,
                     std::uint64_t options, void* context);

private:
    bool isObserved(std::string_view key) const;
    struct Registration {
        WeakRef<Object> observer;
        std::string keyPath;
        std::uint64_t options;
        void* context;
    };
    struct Pending {
        std::string key;
        Ref<Object> oldValue;
    };

    static Ref<Dictionary> change(const Ref<Object>& oldValue, const Ref<Object>& newValue,
                                  std::uint64_t options, bool prior);
    void send(Object& object, std::string_view key, const Ref<Object>& oldValue,
              const Ref<Object>& newValue, bool prior);

    std::vector<Registration> registrations_;
    std::vector<Pending> pending_;
};

} // namespace platform
