#include "platform/app/DraggingSource.h"

#include "platform/app/DraggingInfo.h"

namespace platform {

DraggingSource::~DraggingSource() = default;

std::uint64_t
DraggingSource::draggingSessionSourceOperationMaskForDraggingContext(const Ref<DraggingSession>&,
                                                                     DraggingContext) {
    return DragOperation::Copy;
}
void DraggingSource::draggingSessionWillBeginAtPoint(const Ref<DraggingSession>&, Point) {}
void DraggingSource::draggingSessionEndedAtPointOperation(const Ref<DraggingSession>&, Point,
                                                          std::uint64_t) {}

} // namespace platform
