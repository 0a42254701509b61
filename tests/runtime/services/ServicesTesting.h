#pragma once

// Shared set-up of the service tests: a fresh directory of files for each test.

#include "../shell/ShellTesting.h"

#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/testing/ModalScript.h"

#include <concepts>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace fs = std::filesystem;

namespace servicestest {

// A row of a table-driven test: its name names the test and shows the row when it fails.
struct Row {
    const char* name;
};
template <class R>
requires std::derived_from<R, Row>
void PrintTo(const R& row, std::ostream* out) {
    *out << row.name;
}
inline constexpr auto rowName = [](const auto& info) { return std::string(info.param.name); };

// A directory of its own (under the system's temporary directory unless told), removed with the
// object.
class ScratchDirectory {
public:
    explicit ScratchDirectory(const fs::path& under = fs::temp_directory_path()) {
        path_ = under / ("pondaro-" + std::to_string(::getpid()) + "-" + std::to_string(++made()));
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~ScratchDirectory() { fs::remove_all(path_); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const fs::path& path() const { return path_; }
    // Writes the file (and the directories on its way) with the text.
    fs::path write(const std::string& relative, const std::string& text = "") const {
        const auto file = path_ / relative;
        fs::create_directories(file.parent_path());
        std::ofstream(file) << text;
        return file;
    }

private:
    static int& made() {
        static int count = 0;
        return count;
    }
    fs::path path_;
};

inline platform::Ref<platform::URL> urlOf(const fs::path& path) {
    return platform::URL::fileURLWithPath(*platform::String::fromUtf8(path.string()));
}

// A request to the test's web server over a bare connection, and the server's whole answer.
inline constexpr const char* kRequest = "GET /nothing HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
inline constexpr const char* kAnswer =
    "HTTP/1.1 404 Not Found\r\nConnection: close\r\nContent-Length: "
    "8\r\nContent-Type: text/plain\r\n\r\nnot here";

// Events as "3606+ 3604 3607": a run of one event is written once, with "+".
inline std::string runsOf(const std::vector<std::int64_t>& events) {
    std::string text;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (i > 0 && events[i] == events[i - 1]) {
            if (text.back() != '+')
                text += '+';
            continue;
        }
        text += (text.empty() ? "" : " ") + std::to_string(events[i]);
    }
    return text;
}

// A black bitmap one pixel high and `width` pixels wide, so that each frame tells itself by its
// width.
inline void writeBitmap(const fs::path& file, std::uint32_t width) {
    const std::uint32_t row = (width * 3 + 3) & ~3u;
    std::vector<unsigned char> bytes(54 + row, 0);
    const auto put = [&](std::size_t at, std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes[at + static_cast<std::size_t>(i)] = static_cast<unsigned char>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<std::uint32_t>(bytes.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, width, 4);
    put(22, 1, 4);
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, row, 4);
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

} // namespace servicestest
