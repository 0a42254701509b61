#include "platform/app/DraggingDestination.h"

namespace platform {

DraggingDestination::~DraggingDestination() = default;

std::uint64_t DraggingDestination::draggingEntered(const Ref<DraggingInfo>&) {
    return DragOperation::None;
}
std::uint64_t DraggingDestination::draggingUpdated(const Ref<DraggingInfo>&) {
    return enteredOperation_;
}
void DraggingDestination::draggingExited(const Ref<DraggingInfo>&) {}
bool DraggingDestination::prepareForDragOperation(const Ref<DraggingInfo>&) {
    return true;
}
bool DraggingDestination::performDragOperation(const Ref<DraggingInfo>&) {
    return false;
}
void DraggingDestination::concludeDragOperation(const Ref<DraggingInfo>&) {}
void DraggingDestination::draggingEnded(const Ref<DraggingInfo>&) {}
void DraggingDestination::updateDraggingItemsForDrag(const Ref<DraggingInfo>&) {}

} // namespace platform
