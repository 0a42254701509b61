#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

// Tracking-area options with the framework's values.
namespace TrackingAreaOptions {
inline constexpr std::uint64_t MouseEnteredAndExited = 0x01;
inline constexpr std::uint64_t MouseMoved = 0x02;
inline constexpr std::uint64_t CursorUpdate = 0x04;
inline constexpr std::uint64_t ActiveWhenFirstResponder = 0x10;
inline constexpr std::uint64_t ActiveInKeyWindow = 0x20;
inline constexpr std::uint64_t ActiveInActiveApp = 0x40;
inline constexpr std::uint64_t ActiveAlways = 0x80;
inline constexpr std::uint64_t InVisibleRect = 0x200;
} // namespace TrackingAreaOptions

// A rectangle of a view in which the mouse's coming, going and moving reach the owner's event
// methods. A view asks for mouse-moved events only while it has an area that wants them.
class TrackingArea : public Object {
public:
    TrackingArea(Rect rect, std::uint64_t options, WeakRef<Object> owner,
                 Ref<Object> userInfo = nullptr)
        : rect_(rect), options_(options), owner_(std::move(owner)), userInfo_(std::move(userInfo)) {
    }

    Rect rect() const { return rect_; }
    std::uint64_t options() const { return options_; }
    Ref<Object> owner() const { return owner_.lock(); }
    Ref<Object> userInfo() const { return userInfo_; }

private:
    Rect rect_;
    std::uint64_t options_;
    WeakRef<Object> owner_;
    Ref<Object> userInfo_;
};

} // namespace platform
