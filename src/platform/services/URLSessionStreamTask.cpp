#include "platform/services/URLSessionStreamTask.h"

#include "platform/app/MainQueue.h"
#include "platform/detail/HostConnection.h"
#include "platform/detail/StreamPeer.h"
#include "platform/detail/URLSessionPeer.h"
#include "platform/foundation/Data.h"
#include "platform/foundation/Error.h"
#include "platform/foundation/String.h"
#include "platform/services/InputStream.h"
#include "platform/services/OutputStream.h"
#include "platform/services/URLSession.h"
#include "platform/services/URLSessionDelegate.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <utility>

#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace platform {

namespace {

// The framework's codes for the system's connection failures; any other is -1005 (the
// connection was lost).
struct FailureRow {
    int number;
    std::int64_t code;
};
constexpr FailureRow kFailureRows[] = {
    {ECONNREFUSED, -1004},
    {EHOSTUNREACH, -1003},
    {ETIMEDOUT, -1001},
    {ENETUNREACH, -1009},
};

Ref<Error> connectionError(int number) {
    std::int64_t code = -1005;
    for (const FailureRow& row : kFailureRows)
        if (row.number == number)
            code = row.code;
    return detail::urlError(code, QString::fromLocal8Bit(std::strerror(number)), nullptr);
}

Ref<Error> cancelledError() {
    return detail::urlError(-999, QStringLiteral("cancelled"), nullptr);
}

} // namespace

struct URLSessionStreamTaskPeer {
    struct Read {
        std::size_t min;
        std::size_t max;
        URLSessionStreamTask::ReadHandler handler;
        std::uint64_t id;
    };
    struct Write {
        QByteArray bytes;
        qsizetype sent;
        URLSessionStreamTask::WriteHandler handler;
        std::uint64_t id;
    };

    URLSessionStreamTaskPeer(URLSessionStreamTask& owner, QString host, quint16 toPort)
        : task(owner), hostname(std::move(host)), port(toPort) {}
    ~URLSessionStreamTaskPeer() { release(); }

    URLSessionStreamTask& task;
    QString hostname;
    quint16 port;
    // The session stays alive while the task runs.
    Ref<URLSession> session;
    std::shared_ptr<detail::HostConnection> connection;
    int socket = -1;
    std::unique_ptr<QSocketNotifier> readable;
    std::unique_ptr<QSocketNotifier> writable;
    QObject timers;
    QElapsedTimer clock;
    std::deque<Read> reads;
    std::deque<Write> writes;
    // Bytes read for a read that has not had enough yet, or left by one that timed out.
    QByteArray buffer;
    std::uint64_t nextId = 0;
    // Bytes wait in the socket with no read asking for them.
    bool bytesWaiting = false;
    // Nothing more comes: the host ended its side or the program closed reading.
    bool readEnded = false;
    bool writeEnded = false;
    bool closeReadAsked = false;
    bool closeWriteAsked = false;
    bool captureAsked = false;
    bool pumping = false;
    bool again = false;

    Ref<URLSessionStreamTask> self() {
        return std::static_pointer_cast<URLSessionStreamTask>(task.self());
    }
    std::shared_ptr<URLSessionDelegate> delegate() const {
        return session ? session->delegate() : nullptr;
    }

    void connected(int descriptor);
    void watchRead();
    void pump();
    void serveReads();
    void serveWrites();
    void hostEnded();
    void hostStoppedTaking(int number);
    void timeOut(std::uint64_t id);
    void capture();
    void finish(const Ref<Error>& error);
    void release();
};

void URLSessionStreamTaskPeer::connected(int descriptor) {
    socket = descriptor;
    if (closeReadAsked)
        ::shutdown(socket, SHUT_RD);
    readable = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Read);
    QObject::connect(readable.get(), &QSocketNotifier::activated, readable.get(),
                     [this] { watchRead(); });
    writable = std::make_unique<QSocketNotifier>(socket, QSocketNotifier::Write);
    QObject::connect(writable.get(), &QSocketNotifier::activated, writable.get(),
                     [this] { pump(); });
    pump();
}

// The socket can be read while no read asks: either bytes wait for one, or the host ended.
void URLSessionStreamTaskPeer::watchRead() {
    if (reads.empty()) {
        char byte;
        const auto peeked = ::recv(socket, &byte, 1, MSG_PEEK | MSG_DONTWAIT);
        if (peeked > 0)
            bytesWaiting = true;
        else if (peeked == 0 || (errno != EAGAIN && errno != EWOULDBLOCK))
            hostEnded();
    }
    pump();
}

void URLSessionStreamTaskPeer::pump() {
    // A handler that queues more work while the queues are served has it served in this pass.
    if (pumping) {
        again = true;
        return;
    }
    const auto keep = self();
    pumping = true;
    do {
        again = false;
        if (socket >= 0 && session) {
            serveReads();
            serveWrites();
        }
    } while (again && session);
    pumping = false;
    if (socket < 0 || !session)
        return;
    readable->setEnabled(!readEnded && (!reads.empty() || !bytesWaiting));
    writable->setEnabled(!writes.empty() && !writeEnded);
    if (!reads.empty() || !writes.empty())
        return;
    if (captureAsked)
        capture();
    else if (readEnded && writeEnded)
        finish(nullptr);
}

void URLSessionStreamTaskPeer::serveReads() {
    while (!reads.empty() && session) {
        const Read& read = reads.front();
        if (!readEnded && static_cast<std::size_t>(buffer.size()) < read.min) {
            char piece[64 * 1024];
            const std::size_t want =
                std::min(sizeof piece, read.max - static_cast<std::size_t>(buffer.size()));
            const auto got = ::recv(socket, piece, want, MSG_DONTWAIT);
            bytesWaiting = false;
            if (got > 0)
                buffer.append(piece, static_cast<qsizetype>(got));
            else if (got < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            else
                hostEnded();
            continue;
        }
        Read done = std::move(reads.front());
        reads.pop_front();
        const qsizetype take = std::min(buffer.size(), static_cast<qsizetype>(done.max));
        const auto data = Data::dataWithBytes(buffer.constData(), static_cast<std::size_t>(take));
        buffer.remove(0, take);
        done.handler(data, readEnded && buffer.isEmpty(), nullptr);
    }
}

void URLSessionStreamTaskPeer::serveWrites() {
    while (!writes.empty() && session) {
        if (writeEnded)
            return hostStoppedTaking(EPIPE);
        Write& write = writes.front();
        const auto sent = ::send(socket, write.bytes.constData() + write.sent,
                                 static_cast<std::size_t>(write.bytes.size() - write.sent),
                                 MSG_DONTWAIT | MSG_NOSIGNAL);
        if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
            return;
        if (sent < 0)
            return hostStoppedTaking(errno);
        write.sent += sent;
        if (write.sent < write.bytes.size())
            continue;
        Write done = std::move(write);
        writes.pop_front();
        done.handler(nullptr);
    }
    if (writes.empty() && closeWriteAsked && !writeEnded) {
        ::shutdown(socket, SHUT_WR);
        writeEnded = true;
    }
}

void URLSessionStreamTaskPeer::hostEnded() {
    if (readEnded)
        return;
    readEnded = true;
    if (const auto listener = delegate())
        listener->URLSessionReadClosedForStreamTask(session, self());
}

void URLSessionStreamTaskPeer::hostStoppedTaking(int number) {
    const bool first = !writeEnded;
    writeEnded = true;
    const auto error = connectionError(number);
    const auto failed = std::exchange(writes, {});
    if (const auto listener = delegate(); listener && first)
        listener->URLSessionWriteClosedForStreamTask(session, self());
    for (const Write& write : failed)
        write.handler(error);
}

void URLSessionStreamTaskPeer::timeOut(std::uint64_t id) {
    const auto timedOut =
        detail::urlError(-1001, QStringLiteral("The request timed out."), nullptr);
    const auto read =
        std::find_if(reads.begin(), reads.end(), [id](const Read& r) { return r.id == id; });
    if (read != reads.end()) {
        const auto handler = std::move(read->handler);
        reads.erase(read);
        handler(nullptr, false, timedOut);
    }
    const auto write =
        std::find_if(writes.begin(), writes.end(), [id](const Write& w) { return w.id == id; });
    if (write != writes.end()) {
        const auto handler = std::move(write->handler);
        writes.erase(write);
        handler(timedOut);
    }
    pump();
}

void URLSessionStreamTaskPeer::capture() {
    auto reading = std::make_unique<StreamPeer>();
    reading->socket = ::fcntl(socket, F_DUPFD_CLOEXEC, 0);
    reading->shutdownHow = SHUT_RD;
    auto writing = std::make_unique<StreamPeer>();
    writing->socket = ::fcntl(socket, F_DUPFD_CLOEXEC, 0);
    writing->shutdownHow = SHUT_WR;
    const auto input = std::make_shared<InputStream>(std::move(reading));
    const auto output = std::make_shared<OutputStream>(std::move(writing));
    if (const auto listener = delegate())
        listener->URLSessionStreamTaskDidBecomeInputStreamOutputStream(session, self(), input,
                                                                       output);
    finish(nullptr);
}

void URLSessionStreamTaskPeer::finish(const Ref<Error>& error) {
    if (!session)
        return;
    const auto keep = self();
    const auto keepSession = std::exchange(session, nullptr);
    const auto failedReads = std::exchange(reads, {});
    const auto failedWrites = std::exchange(writes, {});
    release();
    for (const Read& read : failedReads)
        read.handler(nullptr, false, error);
    for (const Write& write : failedWrites)
        write.handler(error);
    task.ended(keepSession, error,
               std::make_shared<URLSessionTaskMetrics>(
                   clock.isValid() ? static_cast<double>(clock.nsecsElapsed()) / 1e9 : 0.0, 0));
}

void URLSessionStreamTaskPeer::release() {
    readable.reset();
    writable.reset();
    if (socket >= 0)
        ::close(socket);
    socket = -1;
    connection.reset();
}

URLSessionStreamTask::URLSessionStreamTask(const Ref<URLSession>& session, std::uint64_t identifier,
                                           const String& hostname, std::uint16_t port)
    : URLSessionTask(session, URLSessionTaskKind::Stream, identifier, nullptr, nullptr),
      stream_(std::make_unique<URLSessionStreamTaskPeer>(
          *this, QString::fromStdU16String(hostname.utf16()), port)) {}

URLSessionStreamTask::~URLSessionStreamTask() = default;

void URLSessionStreamTask::resume() {
    if (state() != URLSessionTaskState::Suspended)
        return;
    stream_->session = startRunning(URLSessionTaskState::Running);
    if (!stream_->session)
        return;
    stream_->clock.start();
    stream_->connection =
        std::make_shared<detail::HostConnection>(stream_->hostname, stream_->port);
    const WeakRef<URLSessionStreamTask> weak =
        std::static_pointer_cast<URLSessionStreamTask>(self());
    stream_->connection->open([weak](int descriptor, int error) {
        const auto task = weak.lock();
        if (!task || !task->stream_->session) {
            if (descriptor >= 0)
                ::close(descriptor);
            return;
        }
        if (descriptor < 0)
            return task->stream_->finish(connectionError(error));
        task->stream_->connected(descriptor);
    });
}

void URLSessionStreamTask::cancel() {
    if (stream_->session)
        stream_->finish(cancelledError());
    else
        URLSessionTask::cancel();
}

void URLSessionStreamTask::readDataOfMinLengthMaxLengthTimeoutCompletionHandler(
    std::size_t minBytes, std::size_t maxBytes, double timeout, ReadHandler completionHandler) {
    if (state() == URLSessionTaskState::Completed) {
        MainQueue::async([handler = std::move(completionHandler)] {
            handler(nullptr, false, cancelledError());
        });
        return;
    }
    const std::uint64_t id = ++stream_->nextId;
    stream_->reads.push_back({std::min(minBytes, maxBytes), std::max<std::size_t>(maxBytes, 1),
                              std::move(completionHandler), id});
    if (timeout > 0)
        QTimer::singleShot(static_cast<int>(timeout * 1000), &stream_->timers,
                           [this, id] { stream_->timeOut(id); });
    stream_->pump();
}

void URLSessionStreamTask::writeDataTimeoutCompletionHandler(const Ref<Data>& data, double timeout,
                                                             WriteHandler completionHandler) {
    if (state() == URLSessionTaskState::Completed) {
        MainQueue::async([handler = std::move(completionHandler)] { handler(cancelledError()); });
        return;
    }
    const std::uint64_t id = ++stream_->nextId;
    const auto& bytes = data ? data->bytes() : std::vector<std::uint8_t>();
    stream_->writes.push_back({QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size())),
                               0, std::move(completionHandler), id});
    if (timeout > 0)
        QTimer::singleShot(static_cast<int>(timeout * 1000), &stream_->timers,
                           [this, id] { stream_->timeOut(id); });
    stream_->pump();
}

void URLSessionStreamTask::closeRead() {
    stream_->closeReadAsked = true;
    stream_->readEnded = true;
    if (stream_->socket >= 0)
        ::shutdown(stream_->socket, SHUT_RD);
    stream_->pump();
}

void URLSessionStreamTask::closeWrite() {
    stream_->closeWriteAsked = true;
    stream_->pump();
}

void URLSessionStreamTask::captureStreams() {
    stream_->captureAsked = true;
    stream_->pump();
}

} // namespace platform
