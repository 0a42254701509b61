#pragma once

#include <cstddef>
#include <string_view>

namespace platform::testing {

// The toolkit's own loader of interface files, which builds plain toolkit widgets, as
// benchmarks measure the framework's interface-file reader against it.
class QtFormBaseline {
public:
    // Builds the widgets of the file, answers how many there were, and deletes them.
    static std::size_t load(std::string_view xml);
};

} // namespace platform::testing
