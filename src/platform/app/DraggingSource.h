#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class DraggingSession;

// Where a drag's destination lies: in one of the program's windows, or outside the program.
enum class DraggingContext { WithinApplication, OutsideApplication };

// What a drag asks of the object that started it. Each method answers what the framework
// answers for a source that does not implement it.
class DraggingSource {
public:
    virtual ~DraggingSource();

    // The operations destinations in that context may perform; the base allows copying only.
    virtual std::uint64_t
    draggingSessionSourceOperationMaskForDraggingContext(const Ref<DraggingSession>& session,
                                                         DraggingContext context);
    // Screen points, as the window's convertPointToScreen gives them.
    virtual void draggingSessionWillBeginAtPoint(const Ref<DraggingSession>& session,
                                                 Point screenPoint);
    // The operation the destination performed; None when the drag was cancelled or refused.
    virtual void draggingSessionEndedAtPointOperation(const Ref<DraggingSession>& session,
                                                      Point screenPoint, std::uint64_t operation);
};

} // namespace platform
