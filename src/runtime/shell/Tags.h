#pragma once

// Tags by which programs name windows and views, the special values among them, and the argument
// that names an element either by tag or by a reference to the element itself.

#include "platform/foundation/Object.h"

#include <cstdint>
#include <utility>

// The value of an omitted integer argument.
inline constexpr std::int64_t kParamNotGiven = -1999999999;
// The view tag of every window's content view.
inline constexpr std::int64_t kContentViewTag = -1437226411;
// Tag arguments above this value were references to elements in the original interface. Here a
// reference is always carried as one (see TagOrRef), so a larger integer names nothing.
inline constexpr std::int64_t kObjectThreshold = 1000000;

// A tag argument: an integer tag or a reference to the element itself. The runtime never turns
// an integer into a pointer, so an integer above kObjectThreshold is neither a tag nor a
// reference, and every lookup answers it with absent.
class TagOrRef {
public:
    TagOrRef(std::int64_t tag) : tag_(tag) {}
    TagOrRef(platform::Ref<platform::Object> reference)
        : tag_(0), reference_(std::move(reference)) {}
    template <class T>
    TagOrRef(const platform::Ref<T>& reference)
        : TagOrRef(platform::Ref<platform::Object>(reference)) {}

    bool isReference() const { return reference_ != nullptr; }
    // The integer tag; 0 for a reference.
    std::int64_t tag() const { return tag_; }
    platform::Ref<platform::Object> reference() const { return reference_; }

private:
    std::int64_t tag_;
    platform::Ref<platform::Object> reference_;
};
