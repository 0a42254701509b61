#include "runtime/services/CUI_FileManagerDelegate.h"

#include "ServicesTesting.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"

#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/FileManager.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

#include <cstring>

using namespace shelltest;
using platform::Ref;

namespace {

enum class Operation { Copy, MoveToOtherDevice, Remove };
// What the dialog callback answers; None installs no callback.
enum class Answers { None, Defaults, RefuseB, ProceedAfterErrors, RefuseAll };

struct FileCase {
    const char* name;
    Operation operation;
    Answers answers;
    // The source tree also holds a socket, which cannot be copied.
    bool withSocket;
    bool succeeds;
    const char* sourceAfter;
    const char* destinationAfter;
    const char* heard;
};
void PrintTo(const FileCase& c, std::ostream* out) {
    *out << c.name;
}

// The source tree: a.txt, sub/b.txt, sub/c.txt and, when asked, sub/s.sock.
const FileCase fileCases[] = {
    {"CopyWithoutCallbackCopiesAll", Operation::Copy, Answers::None, false, true,
     "a.txt sub/b.txt sub/c.txt", "a.txt sub/b.txt sub/c.txt", ""},
    {"CopyAsksForEachItemAndSkipsARefusedOne", Operation::Copy, Answers::RefuseB, false, true,
     "a.txt sub/b.txt sub/c.txt", "a.txt sub/c.txt", "2402 2402 2402 2402 2402"},
    {"CopyStoppedByAnErrorLeavesNoHalfCopy", Operation::Copy, Answers::None, true, false,
     "a.txt sub/b.txt sub/c.txt sub/s.sock", "-", ""},
    {"CopyGoesPastAnErrorWhenTold", Operation::Copy, Answers::ProceedAfterErrors, true, true,
     "a.txt sub/b.txt sub/c.txt sub/s.sock", "a.txt sub/b.txt sub/c.txt",
     "2402 2402 2402 2402 2402 2402 2403"},
    {"MoveStoppedByAnErrorLeavesTheSourceWhole", Operation::MoveToOtherDevice, Answers::Defaults,
     true, false, "a.txt sub/b.txt sub/c.txt sub/s.sock", "-", "2400 2401"},
    {"MoveGoingPastAnErrorKeepsWhatItCouldNotCopy", Operation::MoveToOtherDevice,
     Answers::ProceedAfterErrors, true, true, "sub/s.sock", "a.txt sub/b.txt sub/c.txt",
     "2400 2401"},
    {"MoveRefusedMovesNothing", Operation::MoveToOtherDevice, Answers::RefuseAll, false, true,
     "a.txt sub/b.txt sub/c.txt", "-", "2400"},
    {"RemoveWithoutCallbackRemovesAll", Operation::Remove, Answers::None, false, true, "-", "-",
     ""},
    {"RemoveKeepsARefusedItemAndStopsAtItsDirectory", Operation::Remove, Answers::RefuseB, false,
     false, "sub/b.txt", "-", "2404 2404 2404 2404 2404"},
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

Ref<platform::URL> urlOf(const fs::path& path) {
    return platform::URL::fileURLWithPath(*platform::String::fromUtf8(path.string()));
}

Answers& currentAnswers() {
    static Answers answers = Answers::None;
    return answers;
}

void answeringCallback(std::int64_t event, std::int64_t tag, std::int64_t wndTag,
                       const Ref<platform::Object>& object) {
    dialogCallback(event, tag, wndTag, object);
    const std::string item = DialogEventUrlObj()->lastPathComponent()->utf8();
    switch (currentAnswers()) {
    case Answers::RefuseB:
        if (item == "b.txt")
            DialogEventSetBoolVal(false);
        break;
    case Answers::ProceedAfterErrors:
        if (event == FileManagerEvent::ShouldProceedAfterMoveError ||
            event == FileManagerEvent::ShouldProceedAfterCopyError)
            DialogEventSetBoolVal(true);
        break;
    case Answers::RefuseAll:
        DialogEventSetBoolVal(false);
        break;
    default:
        break;
    }
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
    currentAnswers() = row.answers;
    if (row.answers != Answers::None)
        DialogCallbackSet(answeringCallback);
    const auto delegate = std::make_shared<CUI_FileManagerDelegate>();
    const auto manager = std::make_shared<platform::FileManager>();
    manager->setDelegate(delegate);

    Ref<platform::Error> error;
    bool done = false;
    switch (row.operation) {
    case Operation::Copy:
        done = manager->copyItemAtURLToURL(urlOf(source), urlOf(destination), &error);
        break;
    case Operation::MoveToOtherDevice:
        done = manager->moveItemAtURLToURL(urlOf(source), urlOf(destination), &error);
        break;
    case Operation::Remove:
        done = manager->removeItemAtURL(urlOf(source), &error);
        break;
    }

    EXPECT_EQ(done, row.succeeds);
    EXPECT_EQ(error != nullptr, !row.succeeds);
    EXPECT_EQ(listing(source), row.sourceAfter);
    EXPECT_EQ(listing(destination), row.destinationAfter);
    std::string codes;
    for (const auto& call : heard()) {
        codes += (codes.empty() ? "" : " ") + std::to_string(call.event);
        EXPECT_EQ(call.tag, 0);
        EXPECT_NE(std::dynamic_pointer_cast<platform::URL>(call.object), nullptr);
    }
    EXPECT_EQ(codes, row.heard);
}
INSTANTIATE_TEST_SUITE_P(Rows, FileOperations, ::testing::ValuesIn(fileCases),
                         [](const auto& r) { return std::string(r.param.name); });

} // namespace
