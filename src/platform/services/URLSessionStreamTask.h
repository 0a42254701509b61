#pragma once

#include "platform/services/URLSessionTask.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

namespace platform {

class String;
struct URLSessionStreamTaskPeer;

// A TCP connection to a host as a task of a session. Reads and writes are queued and complete in
// order, their handlers called on the main thread. The session's delegate hears when the host has
// ended its side (URLSessionReadClosedForStreamTask) and when a write finds that the host takes
// no more bytes (URLSessionWriteClosedForStreamTask). The task completes when it is cancelled,
// when the connection cannot be made (with the error), once both directions are closed, or once
// its streams are captured.
class URLSessionStreamTask : public URLSessionTask {
public:
    // The data is none when the read failed; atEOF says the host has sent all it will.
    using ReadHandler =
        std::function<void(const Ref<Data>& data, bool atEOF, const Ref<Error>& error)>;
    using WriteHandler = std::function<void(const Ref<Error>& error)>;

    URLSessionStreamTask(const Ref<URLSession>& session, std::uint64_t identifier,
                         const String& hostname, std::uint16_t port);
    ~URLSessionStreamTask() override;

    // Connects; the queued reads and writes begin once connected.
    void resume() override;
    // Queued reads and writes fail with the cancelled error (-999), then the task completes.
    void cancel() override;

    // Hands the handler at least minBytes and at most maxBytes bytes, fewer only at the end of
    // what the host sends. A timeout above 0 seconds ends the wait with the timed-out error
    // (-1001); the bytes that came meanwhile wait for the next read.
    void readDataOfMinLengthMaxLengthTimeoutCompletionHandler(std::size_t minBytes,
                                                              std::size_t maxBytes, double timeout,
                                                              ReadHandler completionHandler);
    // The handler runs once the connection took all the bytes, or with the error that stopped
    // it (the timed-out error after a timeout above 0 seconds).
    void writeDataTimeoutCompletionHandler(const Ref<Data>& data, double timeout,
                                           WriteHandler completionHandler);
    // No more is read: queued reads complete with the bytes that came, at the end.
    void closeRead();
    // Once the queued writes are out, the host meets the end of what this side sends.
    void closeWrite();
    // Once the queued reads and writes completed, the delegate gets a new input and output
    // stream of the connection, not yet open, and the task completes.
    void captureStreams();

private:
    friend struct URLSessionStreamTaskPeer;
    std::unique_ptr<URLSessionStreamTaskPeer> stream_;
};

} // namespace platform
