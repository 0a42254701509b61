#include "platform/services/OutputStream.h"

#include "platform/detail/StreamPeer.h"
#include "platform/foundation/String.h"

#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>

namespace platform {

OutputStream::OutputStream(std::unique_ptr<StreamPeer> peer) : Stream(std::move(peer)) {}

Ref<OutputStream> OutputStream::outputStreamToFileAtPathAppend(const String& path, bool append) {
    auto peer = std::make_unique<StreamPeer>();
    peer->path = path.utf8();
    peer->append = append;
    return std::make_shared<OutputStream>(std::move(peer));
}

bool OutputStream::openDevice() {
    StreamPeer& p = peer();
    if (p.socket < 0) {
        const int fd = ::open(
            p.path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | (p.append ? O_APPEND : O_TRUNC), 0666);
        if (fd < 0) {
            fail(errno);
            return false;
        }
        p.file = std::make_unique<QFile>();
        p.file->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                     QFileDevice::AutoCloseHandle);
        return true;
    }
    p.ready = std::make_unique<QSocketNotifier>(p.socket, QSocketNotifier::Write);
    p.ready->setEnabled(false);
    QObject::connect(p.ready.get(), &QSocketNotifier::activated, p.ready.get(), [this] {
        peer().ready->setEnabled(false);
        post(StreamEvent::HasSpaceAvailable);
    });
    return true;
}

void OutputStream::opened() {
    post(StreamEvent::HasSpaceAvailable);
}

bool OutputStream::hasSpaceAvailable() const {
    if (status_ != StreamStatus::Open)
        return false;
    pollfd socket{peer().socket, POLLOUT, 0};
    return peer().file || ::poll(&socket, 1, 0) > 0;
}

std::int64_t OutputStream::writeMaxLength(const std::uint8_t* buffer, std::size_t length) {
    if (status_ != StreamStatus::Open)
        return -1;
    StreamPeer& p = peer();
    std::int64_t written =
        p.file ? p.file->write(reinterpret_cast<const char*>(buffer), static_cast<qint64>(length))
               // Writes take what the socket has room for and never wait.
               : ::send(p.socket, buffer, length, MSG_NOSIGNAL | MSG_DONTWAIT);
    if (written < 0 && p.ready && (errno == EAGAIN || errno == EWOULDBLOCK))
        written = 0;
    if (written < 0) {
        // A socket whose reader has gone fails here, with EPIPE, rather than losing the bytes.
        fail(p.file ? EIO : errno);
        return -1;
    }
    if (p.file)
        post(StreamEvent::HasSpaceAvailable);
    else
        p.ready->setEnabled(true);
    return written;
}

} // namespace platform
