#pragma once

#include <optional>
#include <string>
#include <vector>

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
    // Emits what the disk service emits when the mount points of the file system on the device
    // ("sdb1") change, from the service's name, or from no name when told.
    static void emitMountPoints(const std::string& device, const std::vector<std::string>& points,
                                bool fromService = true);
};

} // namespace platform::testing
