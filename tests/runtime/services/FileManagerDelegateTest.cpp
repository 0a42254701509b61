#include "runtime/services/CUI_FileManagerDelegate.h"

#include "ServicesTesting.h"

#include "platform/services/FileManager.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <cstring>

using namespace shelltest;

namespace {

enum class Operation { Copy, MoveToOtherDevice, Remove };
// What the dialog callback answers to the question with the code about the item; no answers
// install no callback.
using Answers = void (*)(std::int64_t code, const std::string& item);
constexpr Answers None = nullptr;
constexpr Answers Defaults = [](std::int64_t, const std::string&) {};
constexpr Answers RefuseB = [](std::int64_t, const std::string& item) {
    if (item == "b.txt")
        DialogEventSetBoolVal(false);
};
constexpr Answers ProceedAfterErrors = [](std::int64_t code, const std::string&) {
    if (code == FileManagerEvent::ShouldProceedAfterMoveError ||
        code == FileManagerEvent::ShouldProceedAfterCopyError)
        DialogEventSetBoolVal(true);
};
constexpr Answers RefuseAll = [](std::int64_t, const std::string&) {
    DialogEventSetBoolVal(false);
};

struct FileCase : servicestest::Row {
    Operation operation;
    Answers answers;
    // The source tree also holds a socket, which cannot be copied.
    bool withSocket;
    // "done" or "failed", then the source and the destination afterwards, then the codes heard.
    const char* outcome;
};

// The source tree: a.txt, sub/b.txt, sub/c.txt and, when asked, sub/s.sock.
const FileCase fileCases[] = {
    {"CopyWithoutCallbackCopiesAll", Operation::Copy, None, false,
     "done | a.txt sub/b.txt sub/c.txt | a.txt sub/b.txt sub/c.txt | "},
    {"CopyAsksForEachItemAndSkipsARefusedOne", Operation::Copy, RefuseB, false,
     "done | a.txt sub/b.txt sub/c.txt | a.txt sub/c.txt | 2402 2402 2402 2402 2402"},
    {"CopyStoppedByAnErrorLeavesNoHalfCopy", Operation::Copy, None, true,
     "failed | a.txt sub/b.txt sub/c.txt sub/s.sock | - | "},
    {"CopyGoesPastAnErrorWhenTold", Operation::Copy, ProceedAfterErrors, true,
     "done | a.txt sub/b.txt sub/c.txt sub/s.sock | a.txt sub/b.txt sub/c.txt | "
     "2402 2402 2402 2402 2402 2402 2403"},
    {"MoveStoppedByAnErrorLeavesTheSourceWhole", Operation::MoveToOtherDevice, Defaults, true,
     "failed | a.txt sub/b.txt sub/c.txt sub/s.sock | - | 2400 2401"},
    {"MoveGoingPastAnErrorKeepsWhatItCouldNotCopy", Operation::MoveToOtherDevice,
     ProceedAfterErrors, true, "done | sub/s.sock | a.txt sub/b.txt sub/c.txt | 2400 2401"},
    {"MoveRefusedMovesNothing", Operation::MoveToOtherDevice, RefuseAll, false,
     "done | a.txt sub/b.txt sub/c.txt | - | 2400"},
    {"RemoveWithoutCallbackRemovesAll", Operation::Remove, None, false, "done | - | - | "},
    {"RemoveKeepsARefusedItemAndStopsAtItsDirectory", Operation::Remove, RefuseB, false,
     "failed | sub/b.txt | - | 2404 2404 2404 2404 2404"},
};

// The files under the directory by their relative paths, or "-" when it does not exist.
std::string listing(const fs::path& directory) {
    if (!fs::exists(directory))
        return "-";
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(directory))
        if (!entry.is_directory())
            files.push_back(fs::relative(entry.path(), directory).string());
    std::sort(files.begin(), files.end());
    std::string line;
    for (const auto& file : files)
        line += (line.empty() ? "" : " ") + file;
    return line;
}

void makeSocket(const fs::path& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
}

class FileOperations : public ShellTest, public ::testing::WithParamInterface<FileCase> {};

TEST_P(FileOperations, FollowTheAnswersAndLoseNothing) {
    const FileCase& row = GetParam();
    servicestest::ScratchDirectory here;
    std::optional<servicestest::ScratchDirectory> elsewhere;
    if (row.operation == Operation::MoveToOtherDevice) {
        struct stat a {
        }, b{};
        if (::stat("/dev/shm", &b) != 0 || (::stat(here.path().c_str(), &a), a.st_dev == b.st_dev))
            GTEST_SKIP() << "no second file system to move to";
        elsewhere.emplace("/dev/shm");
    }
    here.write("tree/a.txt", "a");
    here.write("tree/sub/b.txt", "b");
    here.write("tree/sub/c.txt", "c");
    if (row.withSocket)
        makeSocket(here.path() / "tree/sub/s.sock");
    const fs::path source = here.path() / "tree";
    const fs::path destination = (elsewhere ? elsewhere->path() : here.path()) / "copy";
    std::string firstDestination;
    DialogEventSetOtherUrlObj(nullptr);
    DialogEventSetErrorObj(nullptr);
    if (row.answers) {
        DialogCallbackSet(dialogCallback);
        whileHeard() = [&] {
            if (const auto other = DialogEventOtherUrlObj(); other && heard().size() == 1)
                firstDestination = other->lastPathComponent()->utf8();
            row.answers(heard().back().event, DialogEventUrlObj()->lastPathComponent()->utf8());
        };
    }
    const auto delegate = std::make_shared<CUI_FileManagerDelegate>();
    const auto manager = std::make_shared<platform::FileManager>();
    manager->setDelegate(delegate);

    Ref<platform::Error> error;
    bool done = false;
    switch (row.operation) {
    case Operation::Copy:
        done = manager->copyItemAtURLToURL(servicestest::urlOf(source),
                                           servicestest::urlOf(destination), &error);
        break;
    case Operation::MoveToOtherDevice:
        done = manager->moveItemAtURLToURL(servicestest::urlOf(source),
                                           servicestest::urlOf(destination), &error);
        break;
    case Operation::Remove:
        done = manager->removeItemAtURL(servicestest::urlOf(source), &error);
        break;
    }

    // Every question names its item by URL; a failure comes with its error.
    std::string codes;
    for (const auto& call : heard()) {
        codes += (codes.empty() ? "" : " ") + std::to_string(call.event);
        EXPECT_EQ(call.tag, 0);
        EXPECT_NE(std::dynamic_pointer_cast<platform::URL>(call.object), nullptr);
    }
    EXPECT_EQ(error != nullptr, !done);
    // Only a tree with a socket meets an error, which the question after it carries.
    EXPECT_EQ(DialogEventErrorObj() != nullptr, row.withSocket);
    // The first question of a copy or a move names where the tree goes.
    if (row.operation != Operation::Remove && !heard().empty()) {
        EXPECT_EQ(firstDestination, "copy");
    }
    EXPECT_EQ(std::string(done ? "done" : "failed") + " | " + listing(source) + " | " +
                  listing(destination) + " | " + codes,
              row.outcome);
}
INSTANTIATE_TEST_SUITE_P(Rows, FileOperations, ::testing::ValuesIn(fileCases),
                         servicestest::rowName);

} // namespace
