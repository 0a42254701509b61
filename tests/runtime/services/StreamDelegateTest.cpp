#include "runtime/services/CUI_StreamDelegate.h"

#include "ServicesTesting.h"

#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/services/InputStream.h"
#include "platform/services/OutputStream.h"
#include "platform/testing/EventWait.h"
#include "platform/testing/LocalHttpServer.h"

using platform::Ref;
using platform::StreamEvent::EndEncountered;
using platform::StreamEvent::ErrorOccurred;
using platform::StreamEvent::HasBytesAvailable;
using platform::StreamEvent::HasSpaceAvailable;
using platform::testing::LocalHttpServer;

namespace {

enum class Source { SocketPair, SocketPairReaderGone, Files, MissingFile, Host, RefusingHost };

struct StreamCase : servicestest::Row {
    Source source;
    // The events each side heard, a run of one event written once with "+"; "-" for a side the
    // row has not.
    const char* readerHeard;
    const char* writerHeard;
    const char* received;
    std::int64_t errorCode;
};

constexpr const char* kText = "seven cards each, the rest face down";

const StreamCase streamCases[] = {
    {"SocketPairCarriesTheBytesAndTheEnd", Source::SocketPair, "1 2+ 16", "1 4", kText, 0},
    {"WritingToAGoneReaderIsAnError", Source::SocketPairReaderGone, "-", "1 4 8", "", EPIPE},
    {"FileIsWrittenAndReadToItsEnd", Source::Files, "1 2+ 16", "1 4", kText, 0},
    {"MissingFileIsAnError", Source::MissingFile, "8", "-", "", ENOENT},
    {"HostConnectionCarriesARequestAndItsAnswer", Source::Host, "1 2+ 16", "1 4",
     servicestest::kAnswer, 0},
    {"RefusedConnectionIsAnErrorOfBothStreams", Source::RefusingHost, "8", "8", "", ECONNREFUSED},
};

// One stream of a row and what its delegate did.
struct Side {
    Ref<platform::Stream> stream;
    std::vector<std::int64_t> heard;
    std::string toWrite;
    std::string received;
    bool done = false;
};

// Reads five bytes at a time, so that a text comes in several events; writes all it can and
// closes once the text is out.
void handle(const Ref<platform::Object>& object, std::uint64_t event, void* data) {
    Side& side = *static_cast<Side*>(data);
    EXPECT_EQ(object, side.stream);
    side.heard.push_back(static_cast<std::int64_t>(event));
    if (event == HasBytesAvailable) {
        std::uint8_t bytes[5];
        const auto read = std::static_pointer_cast<platform::InputStream>(side.stream)
                              ->readMaxLength(bytes, sizeof bytes);
        side.received.append(reinterpret_cast<const char*>(bytes),
                             static_cast<std::size_t>(std::max<std::int64_t>(read, 0)));
    }
    if (event == HasSpaceAvailable) {
        const auto written =
            std::static_pointer_cast<platform::OutputStream>(side.stream)
                ->writeMaxLength(reinterpret_cast<const std::uint8_t*>(side.toWrite.data()),
                                 side.toWrite.size());
        side.toWrite.erase(0, static_cast<std::size_t>(std::max<std::int64_t>(written, 0)));
        // A writer whose reader is gone learns it from the write: it keeps its stream open.
        if (side.toWrite.empty() && side.stream->streamStatus() == platform::StreamStatus::Open) {
            side.stream->close();
            side.done = true;
        }
    }
    if (event == EndEncountered || event == ErrorOccurred)
        side.done = true;
}

class Streams : public shelltest::ShellTest, public ::testing::WithParamInterface<StreamCase> {};

TEST_P(Streams, TellTheirDelegatesAsTheBytesGo) {
    const StreamCase& row = GetParam();
    const servicestest::ScratchDirectory directory;
    const LocalHttpServer server;
    const auto path = platform::String::fromUtf8((directory.path() / "cards.txt").string());
    Side reader;
    Side writer;
    writer.toWrite = row.source == Source::Host ? servicestest::kRequest : kText;
    Ref<platform::InputStream> input;
    Ref<platform::OutputStream> output;
    if (row.source == Source::Files || row.source == Source::MissingFile) {
        input = platform::InputStream::inputStreamWithFileAtPath(*path);
        output = platform::OutputStream::outputStreamToFileAtPathAppend(*path, false);
    } else if (row.source == Source::Host || row.source == Source::RefusingHost) {
        platform::Stream::getStreamsToHostWithNamePort(
            *platform::String::fromUtf8("localhost"),
            row.source == Source::Host ? server.port() : LocalHttpServer::refusingPort(), &input,
            &output);
    } else {
        platform::Stream::getBoundStreams(&input, &output);
    }
    reader.stream = input;
    writer.stream = output;
    const auto readerDelegate = std::make_shared<CUI_StreamDelegate>(handle, &reader);
    const auto writerDelegate = std::make_shared<CUI_StreamDelegate>(handle, &writer);
    input->setDelegate(readerDelegate);
    output->setDelegate(writerDelegate);
    input->scheduleInRunLoopForMode(platform::RunLoopMode::Default);
    output->scheduleInRunLoopForMode(platform::RunLoopMode::Default);

    const bool writes = row.source != Source::MissingFile;
    const bool reads = row.source != Source::SocketPairReaderGone;
    if (writes)
        output->open();
    if (row.source == Source::SocketPairReaderGone) {
        input = nullptr;
        reader.stream = nullptr;
    }
    if (row.source == Source::Files)
        platform::testing::runEventsUntil([&] { return writer.done; });
    if (reads)
        input->open();
    platform::testing::runEventsUntil(
        [&] { return (!writes || writer.done) && (!reads || reader.done); });

    EXPECT_EQ(reads ? servicestest::runsOf(reader.heard) : "-", row.readerHeard);
    EXPECT_EQ(writes ? servicestest::runsOf(writer.heard) : "-", row.writerHeard);
    EXPECT_EQ(reader.received, row.received);
    const auto failed = reads ? input : platform::Ref<platform::Stream>(output);
    const auto error = failed->streamError();
    EXPECT_EQ(error ? error->code() : 0, row.errorCode);
    EXPECT_EQ(failed->streamStatus(),
              row.errorCode ? platform::StreamStatus::Error : platform::StreamStatus::AtEnd);
}
INSTANTIATE_TEST_SUITE_P(Rows, Streams, ::testing::ValuesIn(streamCases), servicestest::rowName);

} // namespace
