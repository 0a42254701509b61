#pragma once

#include "platform/app/DraggingInfo.h"

#include <cstdint>

namespace platform {

// What a drag asks of the view or window delegate it is over. Each method answers what the
// framework answers for a destination that does not implement it.
class DraggingDestination {
public:
    virtual ~DraggingDestination();

    // The operation the destination would perform; None refuses the drag.
    virtual std::uint64_t draggingEntered(const Ref<DraggingInfo>& sender);
    // The base answers what draggingEntered answered for this drag.
    virtual std::uint64_t draggingUpdated(const Ref<DraggingInfo>& sender);
    virtual void draggingExited(const Ref<DraggingInfo>& sender);
    virtual bool prepareForDragOperation(const Ref<DraggingInfo>& sender);
    virtual bool performDragOperation(const Ref<DraggingInfo>& sender);
    virtual void concludeDragOperation(const Ref<DraggingInfo>& sender);
    virtual void draggingEnded(const Ref<DraggingInfo>& sender);
    virtual void updateDraggingItemsForDrag(const Ref<DraggingInfo>& sender);

    // What draggingEntered last answered for the drag in progress.
    std::uint64_t enteredOperation() const { return enteredOperation_; }
    void setEnteredOperation(std::uint64_t operation) { enteredOperation_ = operation; }

private:
    std::uint64_t enteredOperation_ = DragOperation::None;
};

} // namespace platform
