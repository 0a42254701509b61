#include "platform/app/DraggingInfo.h"

#include "platform/app/Pasteboard.h"

namespace platform {

DraggingInfo::DraggingInfo(Ref<Pasteboard> pasteboard, WeakRef<Window> destinationWindow,
                           Point location, std::uint64_t sourceOperationMask)
    : pasteboard_(std::move(pasteboard)), window_(std::move(destinationWindow)),
      location_(location), sourceOperationMask_(sourceOperationMask) {}

} // namespace platform
