#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace platform {

class DraggingItem;
class Pasteboard;
class View;
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
// Whatever the destination chooses.
inline constexpr std::uint64_t Every = ~std::uint64_t(0);
} // namespace DragOperation

// A drag in progress over a window, as its destinations see it. A drag that comes from outside
// the program has no source and no dragging items, only what its pasteboard offers.
class DraggingInfo : public Object {
public:
    // The items' frames are in the source view's coordinates.
    DraggingInfo(Ref<Pasteboard> pasteboard, WeakRef<Window> destinationWindow, Point location,
                 std::uint64_t sourceOperationMask, const Ref<View>& source = nullptr,
                 std::vector<Ref<DraggingItem>> items = {});

    Ref<Pasteboard> draggingPasteboard() const { return pasteboard_; }
    Ref<Window> draggingDestinationWindow() const { return window_.lock(); }
    void setDraggingDestinationWindow(WeakRef<Window> window) { window_ = std::move(window); }
    // In the destination window's content coordinates.
    Point draggingLocation() const { return location_; }
    void setDraggingLocation(Point location) { location_ = location; }
    std::uint64_t draggingSourceOperationMask() const { return sourceOperationMask_; }
    void setDraggingSourceOperationMask(std::uint64_t mask) { sourceOperationMask_ = mask; }
    // The view the drag started in; none for a drag from outside the program.
    Ref<View> draggingSource() const { return source_.lock(); }

    // Whether the dragged images should go to where the destination put the items (their
    // frames) rather than vanish where they were dropped; a destination sets it.
    bool animatesToDestination() const { return animatesToDestination_; }
    void setAnimatesToDestination(bool value) { animatesToDestination_ = value; }

    // Calls the block with each dragging item, its index and a flag that stops the enumeration,
    // the item's frame converted to the view's coordinates; frames the block sets are in them.
    void enumerateDraggingItemsForView(
        const Ref<View>& view,
        const std::function<void(DraggingItem&, std::int64_t, bool&)>& block);

private:
    Ref<Pasteboard> pasteboard_;
    WeakRef<Window> window_;
    Point location_;
    std::uint64_t sourceOperationMask_;
    WeakRef<View> source_;
    std::vector<Ref<DraggingItem>> items_;
    // The view whose coordinates the items' frames are in.
    WeakRef<View> framesView_;
    bool animatesToDestination_ = false;
};

} // namespace platform
