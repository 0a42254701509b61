#pragma once

#include <optional>
#include <string>

namespace platform::testing {

// A message-bus daemon of the test's own, started at the first use in a process and ended with
// it. It stands in for both the session and the system bus of the process and of the processes
// it starts (DBUS_SESSION_BUS_ADDRESS and DBUS_SYSTEM_BUS_ADDRESS), so nothing reaches the
// desktop's own buses. A process started by the test uses the test's daemon.
class PrivateBus {
public:
    // Answers whether the daemon runs.
    static bool start();
    // Emits a signal, with a boolean argument when one is given, from a connection of its own
    // that owns the service name (none for an empty name), as the desktop's services do.
    static void emitSignal(const std::string& service, const std::string& path,
                           const std::string& interface, const std::string& member,
                           std::optional<bool> argument);
};

} // namespace platform::testing
