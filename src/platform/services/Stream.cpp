#include "platform/services/Stream.h"

#include "platform/app/Application.h"
#include "platform/detail/StreamPeer.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/services/InputStream.h"
#include "platform/services/OutputStream.h"
#include "platform/services/StreamDelegate.h"

#include <QCoreApplication>

#include <sys/socket.h>
#include <unistd.h>

namespace platform {

Stream::Stream(std::unique_ptr<StreamPeer> peer) : peer_(std::move(peer)) {}

Stream::~Stream() = default;

StreamPeer::~StreamPeer() {
    close();
}

void StreamPeer::close() {
    ready.reset();
    file.reset();
    if (socket >= 0 && shutdownHow >= 0)
        ::shutdown(socket, shutdownHow);
    if (socket >= 0)
        ::close(socket);
    socket = -1;
}

void Stream::open() {
    if (status_ != StreamStatus::NotOpen)
        return;
    Application::shared();
    status_ = StreamStatus::Opening;
    if (peer_->host && peer_->socket < 0) {
        const WeakRef<Stream> weak = std::static_pointer_cast<Stream>(self());
        peer_->host->open([weak](int descriptor, int error) {
            const auto stream = weak.lock();
            if (!stream || stream->status_ != StreamStatus::Opening) {
                if (descriptor >= 0)
                    ::close(descriptor);
                return;
            }
            if (descriptor < 0)
                return stream->fail(error);
            stream->peer_->socket = descriptor;
            stream->finishOpening();
        });
        return;
    }
    finishOpening();
}

void Stream::finishOpening() {
    if (!openDevice())
        return;
    status_ = StreamStatus::Open;
    post(StreamEvent::OpenCompleted);
    opened();
}

void Stream::close() {
    if (status_ == StreamStatus::Closed)
        return;
    status_ = StreamStatus::Closed;
    pending_ = 0;
    peer_->close();
}

void Stream::scheduleInRunLoopForMode(RunLoopMode mode) {
    scheduledModes_ |= 1 << static_cast<int>(mode);
    post(0);
}

void Stream::removeFromRunLoopForMode(RunLoopMode mode) {
    scheduledModes_ &= ~(1 << static_cast<int>(mode));
}

void Stream::post(std::uint64_t event) {
    pending_ |= event;
    if (!scheduledModes_ || !pending_ || queued_)
        return;
    queued_ = true;
    const WeakRef<Stream> weak = std::static_pointer_cast<Stream>(self());
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [weak] {
            if (const auto stream = weak.lock())
                stream->deliver();
        },
        Qt::QueuedConnection);
}

void Stream::deliver() {
    queued_ = false;
    if (!scheduledModes_)
        return;
    const auto keep = std::static_pointer_cast<Stream>(self());
    const std::uint64_t events = pending_;
    pending_ = 0;
    for (std::uint64_t event = StreamEvent::OpenCompleted; event <= StreamEvent::EndEncountered;
         event <<= 1) {
        if (!(events & event) || status_ == StreamStatus::Closed)
            continue;
        if (const auto listener = delegate_.lock())
            listener->streamHandleEvent(keep, event);
    }
}

void Stream::fail(int number) {
    status_ = StreamStatus::Error;
    error_ = Error::errorWithDomainCodeUserInfo(POSIXErrorDomain(), number, nullptr);
    post(StreamEvent::ErrorOccurred);
}

void Stream::end() {
    if (status_ == StreamStatus::AtEnd || status_ == StreamStatus::Closed)
        return;
    status_ = StreamStatus::AtEnd;
    post(StreamEvent::EndEncountered);
}

void Stream::getStreamsToHostWithNamePort(const String& hostname, std::int64_t port,
                                          Ref<InputStream>* input, Ref<OutputStream>* output) {
    if (port < 0 || port > 65535 || hostname.isEmpty())
        return;
    const auto connection = std::make_shared<detail::HostConnection>(
        QString::fromStdU16String(hostname.utf16()), static_cast<quint16>(port));
    auto reading = std::make_unique<StreamPeer>();
    reading->host = connection;
    reading->shutdownHow = SHUT_RD;
    auto writing = std::make_unique<StreamPeer>();
    writing->host = connection;
    writing->shutdownHow = SHUT_WR;
    if (input)
        *input = std::make_shared<InputStream>(std::move(reading));
    if (output)
        *output = std::make_shared<OutputStream>(std::move(writing));
}

void Stream::getBoundStreams(Ref<InputStream>* input, Ref<OutputStream>* output) {
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return;
    auto reading = std::make_unique<StreamPeer>();
    reading->socket = ends[0];
    auto writing = std::make_unique<StreamPeer>();
    writing->socket = ends[1];
    const auto in = std::make_shared<InputStream>(std::move(reading));
    const auto out = std::make_shared<OutputStream>(std::move(writing));
    if (input)
        *input = in;
    if (output)
        *output = out;
}

} // namespace platform
