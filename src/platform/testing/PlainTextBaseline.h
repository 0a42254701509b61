#pragma once

#include <memory>

namespace platform {
class String;
}

namespace platform::testing {

// The toolkit's own plain-text view, as benchmarks measure it against the console: a read-only
// view of the size given, shown in a window of its own, that lines are appended to one at a
// time, as a log takes them.
class PlainTextBaseline {
public:
    PlainTextBaseline(double width, double height);
    ~PlainTextBaseline();
    PlainTextBaseline(const PlainTextBaseline&) = delete;
    PlainTextBaseline& operator=(const PlainTextBaseline&) = delete;

    void appendLine(const String& line);

private:
    struct Editor;
    std::unique_ptr<Editor> editor_;
};

} // namespace platform::testing
