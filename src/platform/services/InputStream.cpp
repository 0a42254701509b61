#include "platform/services/InputStream.h"

#include "platform/detail/StreamPeer.h"
#include "platform/foundation/String.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/socket.h>

namespace platform {

InputStream::InputStream(std::unique_ptr<StreamPeer> peer) : Stream(std::move(peer)) {}

Ref<InputStream> InputStream::inputStreamWithFileAtPath(const String& path) {
    auto peer = std::make_unique<StreamPeer>();
    peer->path = path.utf8();
    return std::make_shared<InputStream>(std::move(peer));
}

bool InputStream::openDevice() {
    StreamPeer& p = peer();
    if (p.socket < 0) {
        const int fd = ::open(p.path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            fail(errno);
            return false;
        }
        p.file = std::make_unique<QFile>();
        p.file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
        return true;
    }
    p.ready = std::make_unique<QSocketNotifier>(p.socket, QSocketNotifier::Read);
    // The notifier rests from one event to the next read, which the delegate makes.
    QObject::connect(p.ready.get(), &QSocketNotifier::activated, p.ready.get(), [this] {
        peer().ready->setEnabled(false);
        followRead();
    });
    return true;
}

void InputStream::opened() {
    if (peer().file)
        followRead();
}

int InputStream::waiting() const {
    const StreamPeer& p = peer();
    if (p.file)
        return p.file->atEnd() ? 0 : 1;
    char byte;
    const auto peeked = ::recv(p.socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
    if (peeked >= 0)
        return static_cast<int>(peeked);
    return errno == EAGAIN || errno == EWOULDBLOCK ? -1 : -errno - 1;
}

bool InputStream::hasBytesAvailable() const {
    return status_ == StreamStatus::Open && waiting() > 0;
}

void InputStream::followRead() {
    if (status_ != StreamStatus::Open)
        return;
    const int state = waiting();
    if (state > 0)
        post(StreamEvent::HasBytesAvailable);
    else if (state == 0)
        end();
    else if (state < -1)
        fail(-state - 1);
    else
        peer().ready->setEnabled(true);
}

std::int64_t InputStream::readMaxLength(std::uint8_t* buffer, std::size_t maxLength) {
    if (status_ == StreamStatus::AtEnd)
        return 0;
    if (status_ != StreamStatus::Open)
        return -1;
    StreamPeer& p = peer();
    const std::int64_t read =
        p.file ? p.file->read(reinterpret_cast<char*>(buffer), static_cast<qint64>(maxLength))
               : ::recv(p.socket, buffer, maxLength, 0);
    if (read < 0) {
        fail(p.file ? EIO : errno);
        return -1;
    }
    followRead();
    return read;
}

} // namespace platform
