#pragma once

#include <functional>

namespace platform::testing {

// Runs the toolkit's events until the condition holds, for at most a few seconds. For the tests
// outside the platform, which wait for the network, the session bus or a stream.
void runEventsUntil(const std::function<bool()>& condition);

} // namespace platform::testing
