#pragma once

// Shared set-up of the service tests: a fresh directory of files for each test.

#include "../shell/ShellTesting.h"

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace servicestest {

// A directory of its own (under the system's temporary directory unless told), removed with the
// object.
class ScratchDirectory {
public:
    explicit ScratchDirectory(
        const std::filesystem::path& under = std::filesystem::temp_directory_path()) {
        path_ = under / ("pondaro-" + std::to_string(::getpid()) + "-" + std::to_string(++made()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() { std::filesystem::remove_all(path_); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Writes the file (and the directories on its way) with the text.
    std::filesystem::path write(const std::string& relative, const std::string& text = "") const {
        const auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << text;
        return file;
    }

private:
    static int& made() {
        static int count = 0;
        return count;
    }
    std::filesystem::path path_;
};

} // namespace servicestest
