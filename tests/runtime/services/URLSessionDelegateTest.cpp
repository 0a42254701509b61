#include "runtime/services/CUI_URLSessionDelegate.h"

#include "ServicesTesting.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"

#include "platform/foundation/Data.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/services/InputStream.h"
#include "platform/services/OutputStream.h"
#include "platform/services/URLSession.h"
#include "platform/services/URLSessionStreamTask.h"
#include "platform/services/URLSessionTask.h"
#include "platform/testing/EventWait.h"
#include "platform/testing/LocalHttpServer.h"

#include <cstring>
#include <functional>

using namespace shelltest;
using platform::String;
using platform::testing::LocalHttpServer;

namespace {

enum class Task { Data, Download, Upload };

struct TransferCase : servicestest::Row {
    Task task;
    // On the test's server; none for a port nothing listens on.
    const char* path;
    // The codes heard, a run of one code written once with "+".
    const char* heard;
    // What the program got: the file's or the pieces' bytes, as LocalHttpServer::body of this
    // length, or the text for the other answers.
    std::size_t bodyLength;
    const char* text;
    std::int64_t status;
    std::int64_t errorCode;
    // Whether the bytes before a failure may come as one piece or several, as the machine's
    // load has it: then a run counts the same however long it is.
    bool piecesVary = false;
};

const TransferCase transferCases[] = {
    {"DownloadArrivesInPiecesAndLeavesItsFile", Task::Download, "/bytes/3000000",
     "3606+ 3604 3614 3607 3600", 3000000, nullptr, 200, 0},
    {"DataArrivesInPieces", Task::Data, "/bytes/2000000", "3618+ 3614 3607 3600", 2000000, nullptr,
     200, 0},
    {"RedirectIsFollowed", Task::Download, "/redirect/5000", "3606 3604 3614 3607 3600", 5000,
     nullptr, 200, 0},
    {"FailedConnectionCompletesWithItsError", Task::Data, nullptr, "3614 3607 3600", 0, "", 0,
     -1004},
    {"CutTransferIsAnErrorAndNoFile", Task::Download, "/cut/4000000", "3606 3614 3607 3600", 0,
     nullptr, 200, -1005, true},
    {"RedirectLoopFails", Task::Data, "/loop", "3614 3607 3600", 0, "", 302, -1007},
    {"AnswerAskingForCredentialsIsNoError", Task::Data, "/auth", "3618 3614 3607 3600", 0, "no",
     401, 0},
    {"MissingFileIsAnAnswer", Task::Download, "/nothing", "3606 3604 3614 3607 3600", 0, "not here",
     404, 0},
    {"UploadReportsItsBody", Task::Upload, "/upload", "3609+ 3618 3614 3607 3600", 0, "400000", 200,
     0},
};

std::string bytesOf(const Ref<platform::Data>& data) {
    return std::string(data->bytes().begin(), data->bytes().end());
}

// Downloads keep their partial files in the temporary directory; here it is one of the test's.
struct TemporaryDirectory : servicestest::ScratchDirectory {
    TemporaryDirectory() { ::setenv("TMPDIR", path().c_str(), 1); }
    ~TemporaryDirectory() { ::unsetenv("TMPDIR"); }
};

class Transfers : public ShellTest, public ::testing::WithParamInterface<TransferCase> {};

TEST_P(Transfers, ReachTheDialogCallbackInOrder) {
    const TransferCase& row = GetParam();
    const TemporaryDirectory temporary;
    LocalHttpServer server;
    const auto delegate = std::make_shared<CUI_URLSessionDelegate>();
    const auto session = platform::URLSession::sessionWithDelegate(delegate);
    const auto url = platform::URL::URLWithString(
        *platform::String::fromUtf8(row.path ? server.url(row.path) : server.refusingUrl()));
    Ref<platform::URLSessionTask> task;
    if (row.task == Task::Data)
        task = session->dataTaskWithURL(url);
    else if (row.task == Task::Download)
        task = session->downloadTaskWithURL(url);
    else
        task = session->uploadTaskWithURLFromData(
            url, platform::Data::create(std::vector<std::uint8_t>(400000, 7)));

    std::string received;
    Ref<platform::URL> location;
    std::int64_t lastProgress = 0;
    bool progressRose = true;
    whileHeard() = [&] {
        const std::int64_t event = heard().back().event;
        if (event == URLSessionEvent::DidReceiveData)
            received += bytesOf(DialogEventDataObj());
        if (event == URLSessionEvent::DidWriteData || event == URLSessionEvent::DidSendBodyData) {
            const std::int64_t now = event == URLSessionEvent::DidWriteData
                                         ? task->countOfBytesReceived()
                                         : task->countOfBytesSent();
            progressRose = progressRose && now > lastProgress;
            lastProgress = now;
        }
        if (event == URLSessionEvent::DidFinishDownloading) {
            location = DialogEventUrlObj();
            std::ifstream file(location->path()->utf8(), std::ios::binary);
            received.assign(std::istreambuf_iterator<char>(file), {});
        }
        EXPECT_EQ(heard().back().object, session);
        EXPECT_EQ(heard().back().tag + heard().back().wndTag, 0) << "a session has no tags";
    };
    DialogCallbackSet(dialogCallback);

    task->resume();
    session->finishTasksAndInvalidate();
    platform::testing::runEventsUntil([] {
        return !heard().empty() && heard().back().event == URLSessionEvent::DidBecomeInvalid;
    });

    std::string runs = servicestest::runsOf(heardEvents());
    if (row.piecesVary)
        std::erase(runs, '+');
    EXPECT_EQ(runs, row.heard);
    EXPECT_TRUE(progressRose);
    const std::string expected =
        row.text ? std::string(row.text) : LocalHttpServer::body(row.bodyLength);
    EXPECT_EQ(received.size(), expected.size());
    EXPECT_TRUE(received == expected);
    EXPECT_EQ(task->response() ? task->response()->statusCode() : 0, row.status);
    EXPECT_EQ(task->state(), platform::URLSessionTaskState::Completed);
    EXPECT_EQ(DialogEventURLSessionTaskObj(), task);
    const auto error = std::static_pointer_cast<platform::Error>(DialogEventErrorObj());
    EXPECT_EQ(error ? error->code() : 0, row.errorCode);
    if (location) {
        EXPECT_FALSE(fs::exists(location->path()->utf8())) << "the session leaves no file behind";
    }
}
INSTANTIATE_TEST_SUITE_P(Rows, Transfers, ::testing::ValuesIn(transferCases),
                         servicestest::rowName);

// The first task is cancelled at its first piece, unless the server cuts it; a server that
// sends the whole file again has the second start over.
struct ResumeCase : servicestest::Row {
    const char* path;
    bool fromStart;
};

const ResumeCase resumeCases[] = {
    {"CancelledDownloadGoesOnWhereItStopped", "/bytes/3000000", false},
    {"CutDownloadGoesOnFromItsError", "/cut/3000000", false},
    {"WholeFileAgainReplacesThePartOfIt", "/whole/3000000", true},
};

class Resumes : public ShellTest, public ::testing::WithParamInterface<ResumeCase> {};

TEST_P(Resumes, FinishTheFileTheFirstTaskBegan) {
    const ResumeCase& row = GetParam();
    const TemporaryDirectory temporary;
    LocalHttpServer server;
    const auto session =
        platform::URLSession::sessionWithDelegate(std::make_shared<CUI_URLSessionDelegate>());
    const auto first = session->downloadTaskWithURL(
        platform::URL::URLWithString(*platform::String::fromUtf8(server.url(row.path))));
    Ref<platform::Data> resumeData;
    Ref<platform::URLSessionTask> second;
    const bool cut = std::string(row.path).starts_with("/cut");
    bool cancelled = false;
    std::int64_t stoppedAt = -1;
    std::int64_t resumedAt = -1;
    std::string received;
    whileHeard() = [&] {
        const std::int64_t event = heard().back().event;
        if (event == URLSessionEvent::DidWriteData && !cut && !std::exchange(cancelled, true))
            first->cancelByProducingResumeData(
                [&](const Ref<platform::Data>& data) { resumeData = data; });
        if (event == URLSessionEvent::DidComplete && DialogEventURLSessionTaskObj() == first) {
            if (cut)
                resumeData = std::dynamic_pointer_cast<platform::Data>(
                    std::static_pointer_cast<platform::Error>(DialogEventErrorObj())
                        ->userInfo()
                        ->objectForKey(platform::URLSessionDownloadTaskResumeData()));
            stoppedAt = first->countOfBytesReceived();
            ASSERT_TRUE(resumeData);
            second = session->downloadTaskWithResumeData(resumeData);
            second->resume();
            session->finishTasksAndInvalidate();
        }
        if (event == URLSessionEvent::DidResumeAtOffset)
            resumedAt = second->countOfBytesReceived();
        if (event == URLSessionEvent::DidFinishDownloading) {
            std::ifstream file(DialogEventUrlObj()->path()->utf8(), std::ios::binary);
            received.assign(std::istreambuf_iterator<char>(file), {});
        }
    };
    DialogCallbackSet(dialogCallback);

    first->resume();
    platform::testing::runEventsUntil([] {
        return !heard().empty() && heard().back().event == URLSessionEvent::DidBecomeInvalid;
    });

    std::string runs = servicestest::runsOf(heardEvents());
    std::erase(runs, '+');
    EXPECT_EQ(runs, "3606 3614 3607 3605 3606 3604 3614 3607 3600");
    EXPECT_GT(stoppedAt, 0);
    EXPECT_LT(stoppedAt, 3000000);
    EXPECT_EQ(resumedAt, row.fromStart ? 0 : stoppedAt);
    EXPECT_EQ(second->countOfBytesExpectedToReceive(), 3000000);
    EXPECT_TRUE(received == LocalHttpServer::body(3000000));
    EXPECT_TRUE(fs::is_empty(temporary.path())) << "the resumed task removes the partial file";
}
INSTANTIATE_TEST_SUITE_P(Rows, Resumes, ::testing::ValuesIn(resumeCases), servicestest::rowName);

// Keeps the streams of a capture, which the dialog callback is not given.
class CapturingDelegate : public CUI_URLSessionDelegate {
public:
    void URLSessionStreamTaskDidBecomeInputStreamOutputStream(
        const Ref<platform::URLSession>& session, const Ref<platform::URLSessionTask>& task,
        const Ref<platform::InputStream>& in, const Ref<platform::OutputStream>& out) override {
        input = in;
        CUI_URLSessionDelegate::URLSessionStreamTaskDidBecomeInputStreamOutputStream(session, task,
                                                                                     in, out);
    }
    Ref<platform::InputStream> input;
};

// Ask: sends the request and reads to the end; Capture: sends the request and captures the
// streams; WriteOn: keeps writing once the host has ended; Wait: waits for bytes that never
// come, briefly.
enum class Script { Ask, Capture, WriteOn, Wait };

struct StreamTaskCase : servicestest::Row {
    bool refused;
    Script script;
    const char* heard;
    const char* received;
    // The first error a handler got, and the task's.
    std::int64_t handlerError;
    std::int64_t taskError;
};

const StreamTaskCase streamTaskCases[] = {
    {"AnswerUntilTheHostEnds", false, Script::Ask, "3622 3614 3607 3600", servicestest::kAnswer, 0,
     0},
    {"CapturedStreamsCarryTheConnectionOn", false, Script::Capture, "3621 3614 3607 3600",
     servicestest::kAnswer, 0, 0},
    {"WritingToAHostThatEndedFails", false, Script::WriteOn, "3622 3623 3614 3607 3600",
     servicestest::kAnswer, -1005, 0},
    {"ReadTimesOut", false, Script::Wait, "3614 3607 3600", "", -1001, -999},
    {"RefusedConnectionFailsTheQueue", true, Script::Ask, "3614 3607 3600", "", -1004, -1004},
};

class StreamTasks : public ShellTest, public ::testing::WithParamInterface<StreamTaskCase> {};

TEST_P(StreamTasks, CarryTheirQueuesAndTellTheEnds) {
    const StreamTaskCase& row = GetParam();
    LocalHttpServer server;
    const auto delegate = std::make_shared<CapturingDelegate>();
    const auto session = platform::URLSession::sessionWithDelegate(delegate);
    const auto task = session->streamTaskWithHostNamePort(
        *String::fromUtf8("127.0.0.1"), row.refused ? server.refusingPort() : server.port());
    std::string received;
    std::int64_t handlerError = 0;
    const auto note = [&](const Ref<platform::Error>& error) {
        if (error && !handlerError)
            handlerError = error->code();
    };
    const auto request =
        platform::Data::dataWithBytes(servicestest::kRequest, std::strlen(servicestest::kRequest));
    std::function<void()> writeOn = [&] {
        task->writeDataTimeoutCompletionHandler(request, 0, [&](const Ref<platform::Error>& error) {
            note(error);
            if (!error)
                writeOn();
        });
    };
    std::function<void()> readOn = [&] {
        task->readDataOfMinLengthMaxLengthTimeoutCompletionHandler(
            1, 5, row.script == Script::Wait ? 0.05 : 0,
            [&](const Ref<platform::Data>& data, bool atEOF, const Ref<platform::Error>& error) {
                note(error);
                received += data ? bytesOf(data) : "";
                if (error && row.script == Script::Wait)
                    task->cancel();
                else if (atEOF && row.script == Script::WriteOn)
                    writeOn();
                else if (!atEOF && !error)
                    readOn();
            });
    };
    DialogCallbackSet(dialogCallback);

    task->resume();
    if (row.script != Script::Wait)
        task->writeDataTimeoutCompletionHandler(request, 0, note);
    if (row.script == Script::Ask)
        task->closeWrite();
    if (row.script == Script::Capture)
        task->captureStreams();
    else
        readOn();
    session->finishTasksAndInvalidate();
    platform::testing::runEventsUntil([] {
        return !heard().empty() && heard().back().event == URLSessionEvent::DidBecomeInvalid;
    });
    if (delegate->input) {
        delegate->input->open();
        std::uint8_t bytes[7];
        for (std::int64_t n; (n = delegate->input->readMaxLength(bytes, sizeof bytes)) > 0;)
            received.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(n));
    }

    EXPECT_EQ(servicestest::runsOf(heardEvents()), row.heard);
    EXPECT_EQ(received, row.received);
    EXPECT_EQ(handlerError, row.handlerError);
    EXPECT_EQ(task->error() ? task->error()->code() : 0, row.taskError);
}
INSTANTIATE_TEST_SUITE_P(Rows, StreamTasks, ::testing::ValuesIn(streamTaskCases),
                         servicestest::rowName);

} // namespace
