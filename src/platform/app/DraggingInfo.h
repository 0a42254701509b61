#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Pasteboard;
class Window;

// Drag operations with the framework's values; a destination answers one of them.
namespace DragOperation {
inline constexpr std::uint64_t None = 0;
inline constexpr std::uint64_t Copy = 1;
inline constexpr std::uint64_t Link = 2;
inline constexpr std::uint64_t Generic = 4;
inline constexpr std::uint64_t Private = 8;
inline constexpr std::uint64_t Move = 16;
inline constexpr std::uint64_t Delete = 32;
} // namespace DragOperation

// A drag in progress over a window, as its destinations see it.
class DraggingInfo : public Object {
public:
    DraggingInfo(Ref<Pasteboard> pasteboard, WeakRef<Window> destinationWindow, Point location,
                 std::uint64_t sourceOperationMask);

    Ref<Pasteboard> draggingPasteboard() const { return pasteboard_; }
    Ref<Window> draggingDestinationWindow() const { return window_.lock(); }
    // In the destination window's content coordinates.
    Point draggingLocation() const { return location_; }
    void setDraggingLocation(Point location) { location_ = location; }
    std::uint64_t draggingSourceOperationMask() const { return sourceOperationMask_; }

private:
    Ref<Pasteboard> pasteboard_;
    WeakRef<Window> window_;
    Point location_;
    std::uint64_t sourceOperationMask_;
};

} // namespace platform
