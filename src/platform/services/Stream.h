#pragma once

#include "platform/app/RunLoop.h"
#include "platform/foundation/Object.h"

#include <cstdint>
#include <memory>

namespace platform {

class Error;
class InputStream;
class OutputStream;
class StreamDelegate;
class String;
struct StreamPeer;

enum class StreamStatus {
    NotOpen = 0,
    Opening = 1,
    Open = 2,
    Reading = 3,
    Writing = 4,
    AtEnd = 5,
    Closed = 6,
    Error = 7
};

// The events a stream reports, with the framework's numbers.
namespace StreamEvent {
inline constexpr std::uint64_t OpenCompleted = 1;
inline constexpr std::uint64_t HasBytesAvailable = 2;
inline constexpr std::uint64_t HasSpaceAvailable = 4;
inline constexpr std::uint64_t ErrorOccurred = 8;
inline constexpr std::uint64_t EndEncountered = 16;
} // namespace StreamEvent

// A one-way run of bytes from or to a file or a socket. A stream scheduled in the run loop
// tells its delegate of its events on the main thread while a loop runs: once opened; each time
// bytes wait to be read (again after a read that left some); each time it can take bytes (again
// after a write, once those went out); at the end; on an error. Events of a stream that is not
// scheduled wait until it is. Errors are in POSIXErrorDomain with the system's error number.
class Stream : public Object {
public:
    ~Stream() override;

    void open();
    // Ends the stream; an output socket's reader then meets the end. No event follows.
    void close();
    StreamStatus streamStatus() const { return status_; }
    Ref<Error> streamError() const { return error_; }

    std::shared_ptr<StreamDelegate> delegate() const { return delegate_.lock(); }
    // Not owned, as delegates are not.
    void setDelegate(const std::shared_ptr<StreamDelegate>& delegate) { delegate_ = delegate; }

    // A stream scheduled in any mode has its events delivered in every loop.
    void scheduleInRunLoopForMode(RunLoopMode mode);
    void removeFromRunLoopForMode(RunLoopMode mode);

    // Two connected streams over a pair of local sockets: what is written to the output can
    // be read from the input.
    static void getBoundStreams(Ref<InputStream>* input, Ref<OutputStream>* output);
    // Two streams over one TCP connection to the host, made when the first of them opens: each
    // reports OpenCompleted once connected, or ErrorOccurred when the connection cannot be made
    // (ECONNREFUSED, ETIMEDOUT, EHOSTUNREACH for a name that does not resolve, ...). Closing the
    // output ends the sending direction, so the host meets the end while the input still reads.
    // No streams for a port outside 0-65535.
    static void getStreamsToHostWithNamePort(const String& hostname, std::int64_t port,
                                             Ref<InputStream>* input, Ref<OutputStream>* output);

protected:
    explicit Stream(std::unique_ptr<StreamPeer> peer);

    // Queues the event; events already queued are not queued twice.
    void post(std::uint64_t event);
    // Ends the stream with the system's error number.
    void fail(int number);
    StreamPeer& peer() const { return *peer_; }

    StreamStatus status_ = StreamStatus::NotOpen;

    // The stream met its end.
    void end();

private:
    void finishOpening();
    void deliver();
    // Opens the file or takes the socket; false (after fail) when it cannot.
    virtual bool openDevice() = 0;
    // The first events of a stream that has just opened.
    virtual void opened() = 0;

    std::unique_ptr<StreamPeer> peer_;
    Ref<Error> error_;
    std::weak_ptr<StreamDelegate> delegate_;
    int scheduledModes_ = 0;
    std::uint64_t pending_ = 0;
    bool queued_ = false;
};

} // namespace platform
