#include "platform/testing/LocalHttpServer.h"

#include <QEventLoop>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <future>

namespace platform::testing {

namespace {

constexpr qint64 kChunk = 256 * 1024;
// What the server keeps queued on a socket before it waits for the client to take it.
constexpr qint64 kQueued = 1024 * 1024;

// One connection: reads one request, then answers it, feeding a long body as the client
// takes it.
class Exchange : public QObject {
public:
    explicit Exchange(QTcpSocket* socket) : socket_(socket) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this] { read(); });
        connect(socket, &QTcpSocket::bytesWritten, this, [this] { feed(); });
        connect(socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    }

private:
    void read() {
        request_ += socket_->readAll();
        const qsizetype end = request_.indexOf("\r\n\r\n");
        if (end < 0 || answered_)
            return;
        const QList<QByteArray> words = request_.left(request_.indexOf("\r\n")).split(' ');
        if (words.size() < 2)
            return;
        qint64 length = 0;
        for (const QByteArray& line : request_.left(end).split('\n')) {
            if (line.toLower().startsWith("content-length:"))
                length = line.mid(15).trimmed().toLongLong();
            if (line.toLower().startsWith("range: bytes="))
                from_ = line.mid(13).trimmed().chopped(1).toLongLong();
        }
        if (request_.size() - end - 4 < length)
            return;
        answered_ = true;
        answer(words[0], words[1], request_.size() - end - 4);
    }

    void answer(const QByteArray& method, const QByteArray& path, qint64 bodyLength) {
        const QList<QByteArray> parts = path.split('/');
        const QByteArray route = parts.value(1);
        const qint64 n = parts.value(2).toLongLong();
        if (method == "POST" && route == "upload")
            return respond("200 OK", {}, QByteArray::number(bodyLength));
        if (route == "bytes" || route == "cut" || route == "whole") {
            const QByteArray headers = "Content-Type: application/octet-stream\r\n"
                                       "Accept-Ranges: bytes\r\nETag: \"" +
                                       QByteArray::number(n) + "\"\r\n";
            if (from_ > 0 && from_ < n && route != "whole") {
                head("206 Partial Content",
                     headers + "Content-Length: " + QByteArray::number(n - from_) +
                         "\r\nContent-Range: bytes " + QByteArray::number(from_) + "-" +
                         QByteArray::number(n - 1) + "/" + QByteArray::number(n) + "\r\n");
                sent_ = from_;
                remaining_ = n - from_;
                return feed();
            }
            head("200 OK", headers + "Content-Length: " + QByteArray::number(n) + "\r\n");
            remaining_ = route == "cut" ? n / 2 : n;
            return feed();
        }
        if (route == "redirect")
            return respond("302 Found", "Location: /bytes/" + QByteArray::number(n) + "\r\n", {});
        if (route == "loop")
            return respond("302 Found", "Location: /loop\r\n", {});
        if (route == "auth")
            return respond("401 Unauthorized", "WWW-Authenticate: Basic realm=\"local\"\r\n", "no");
        respond("404 Not Found", {}, "not here");
    }

    void head(const QByteArray& status, const QByteArray& headers) {
        socket_->write("HTTP/1.1 " + status + "\r\nConnection: close\r\n" + headers + "\r\n");
    }

    void respond(const QByteArray& status, const QByteArray& headers, const QByteArray& body) {
        head(status, headers + "Content-Length: " + QByteArray::number(body.size()) +
                         "\r\nContent-Type: text/plain\r\n");
        socket_->write(body);
        socket_->disconnectFromHost();
    }

    void feed() {
        static const QByteArray pattern = [] {
            const std::string bytes = LocalHttpServer::body(kChunk + 251);
            return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
        }();
        if (!answered_ || remaining_ < 0)
            return;
        while (remaining_ > 0 && socket_->bytesToWrite() < kQueued) {
            const qint64 piece = std::min(remaining_, kChunk);
            socket_->write(pattern.constData() + sent_ % 251, piece);
            sent_ += piece;
            remaining_ -= piece;
        }
        if (remaining_ == 0) {
            remaining_ = -1;
            socket_->disconnectFromHost();
        }
    }

    QTcpSocket* socket_;
    QByteArray request_;
    bool answered_ = false;
    qint64 remaining_ = -1;
    qint64 sent_ = 0;
    // The first byte a range request asks for.
    qint64 from_ = 0;
};

} // namespace

struct LocalHttpServer::Thread {
    std::unique_ptr<QThread> thread;
    QEventLoop* loop = nullptr;
    quint16 port = 0;
};

LocalHttpServer::LocalHttpServer() : thread_(std::make_unique<Thread>()) {
    std::promise<void> listening;
    thread_->thread.reset(QThread::create([this, &listening] {
        QTcpServer server;
        QEventLoop loop;
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, &server, [&server] {
            while (QTcpSocket* socket = server.nextPendingConnection())
                (new Exchange(socket))->setParent(&server);
        });
        thread_->loop = &loop;
        thread_->port = server.serverPort();
        listening.set_value();
        loop.exec();
    }));
    thread_->thread->start();
    listening.get_future().wait();
}

LocalHttpServer::~LocalHttpServer() {
    QMetaObject::invokeMethod(thread_->loop, &QEventLoop::quit, Qt::QueuedConnection);
    thread_->thread->wait();
}

std::string LocalHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(thread_->port) + path;
}

std::uint16_t LocalHttpServer::port() const {
    return thread_->port;
}

std::string LocalHttpServer::refusingUrl() {
    return "http://127.0.0.1:" + std::to_string(refusingPort()) + "/";
}

std::uint16_t LocalHttpServer::refusingPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

std::string LocalHttpServer::body(std::size_t length) {
    std::string bytes(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        bytes[i] = static_cast<char>(i % 251);
    return bytes;
}

} // namespace platform::testing
