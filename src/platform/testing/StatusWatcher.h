#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform::testing {

// The desktop panel's watcher of status items, as the test's own on the session bus (the
// private bus of PrivateBus): it takes the items that register, forgets those whose name
// leaves the bus, and reads and clicks them as a panel does.
class StatusWatcher {
public:
    StatusWatcher();
    ~StatusWatcher();
    StatusWatcher(const StatusWatcher&) = delete;
    StatusWatcher& operator=(const StatusWatcher&) = delete;

    // The bus names of the items registered now.
    std::vector<std::string> items() const;
    // A text property of the item, read over the bus; "" when it cannot be read.
    std::string property(const std::string& item, const std::string& name) const;
    // The panel's click on the item.
    void activate(const std::string& item) const;

private:
    struct Peer;
    std::unique_ptr<Peer> peer_;
};

} // namespace platform::testing
