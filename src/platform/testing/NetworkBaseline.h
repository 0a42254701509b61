#pragma once

#include <cstdint>
#include <string>

namespace platform::testing {

// The toolkit's network access used directly, as the benchmark measures URL sessions against
// it: one GET whose body goes to the file as it arrives, waited for in a loop of its own.
// Answers the bytes written.
std::int64_t downloadWithToolkit(const std::string& url, const std::string& path);

} // namespace platform::testing
