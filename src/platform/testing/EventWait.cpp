#include "platform/testing/EventWait.h"

#include "platform/testing/ToolkitInput.h"

namespace platform::testing {

void runEventsUntil(const std::function<bool()>& condition) {
    processEventsUntil(condition);
}

} // namespace platform::testing
