#include "platform/detail/HostConnection.h"

#include <QTcpSocket>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace platform::detail {

namespace {

// The system's numbers for the toolkit's connection failures. A host name that does not resolve
// has no number of its own and is told as an unreachable host; anything unlisted is EIO.
struct FailureRow {
    QAbstractSocket::SocketError failure;
    int number;
};
constexpr FailureRow kFailureRows[] = {
    {QAbstractSocket::ConnectionRefusedError, ECONNREFUSED},
    {QAbstractSocket::RemoteHostClosedError, ECONNRESET},
    {QAbstractSocket::HostNotFoundError, EHOSTUNREACH},
    {QAbstractSocket::SocketAccessError, EACCES},
    {QAbstractSocket::SocketTimeoutError, ETIMEDOUT},
    {QAbstractSocket::NetworkError, ENETUNREACH},
};

} // namespace

HostConnection::HostConnection(QString host, quint16 port) : host_(std::move(host)), port_(port) {}

HostConnection::~HostConnection() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void HostConnection::open(Ready ready) {
    if (descriptor_ >= 0)
        return ready(::fcntl(descriptor_, F_DUPFD_CLOEXEC, 0), 0);
    if (error_)
        return ready(-1, error_);
    waiting_.push_back(std::move(ready));
    if (socket_)
        return;
    socket_ = std::make_unique<QTcpSocket>();
    QObject::connect(socket_.get(), &QTcpSocket::connected, socket_.get(), [this] { connected(); });
    QObject::connect(socket_.get(), &QTcpSocket::errorOccurred, socket_.get(),
                     [this](QAbstractSocket::SocketError failure) {
                         int number = EIO;
                         for (const FailureRow& row : kFailureRows)
                             if (row.failure == failure)
                                 number = row.number;
                         failed(number);
                     });
    socket_->connectToHost(host_, port_);
}

void HostConnection::connected() {
    descriptor_ = ::fcntl(static_cast<int>(socket_->socketDescriptor()), F_DUPFD_CLOEXEC, 0);
    if (descriptor_ < 0)
        return failed(errno);
    // The streams share this descriptor's state: reads wait as the stream's read promises, and
    // the output stream asks each write not to wait.
    ::fcntl(descriptor_, F_SETFL, ::fcntl(descriptor_, F_GETFL) & ~O_NONBLOCK);
    // The toolkit's socket closes only its own descriptor, so the connection stays up for ours.
    QObject::disconnect(socket_.get(), nullptr, nullptr, nullptr);
    socket_->abort();
    socket_.release()->deleteLater();
    // A stream that hears of the connection may let it go: nothing of this object is used after.
    const int descriptor = descriptor_;
    for (const Ready& ready : std::exchange(waiting_, {}))
        ready(::fcntl(descriptor, F_DUPFD_CLOEXEC, 0), 0);
}

void HostConnection::failed(int error) {
    error_ = error;
    QObject::disconnect(socket_.get(), nullptr, nullptr, nullptr);
    socket_->abort();
    socket_.release()->deleteLater();
    for (const Ready& ready : std::exchange(waiting_, {}))
        ready(-1, error);
}

} // namespace platform::detail
