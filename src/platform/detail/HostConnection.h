#pragma once

// Internal to the platform: the TCP connection behind a pair of streams to a host.

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QTcpSocket;

namespace platform::detail {

// Connects to the host when the first stream of the pair opens, then hands each stream a
// descriptor of its own for the connection, so that each reads or writes it without the toolkit's
// socket taking bytes in between. The descriptors block on reads; writes are made not to wait.
class HostConnection {
public:
    // With a descriptor the stream now owns, or -1 and the system's error number.
    using Ready = std::function<void(int descriptor, int error)>;

    HostConnection(QString host, quint16 port);
    ~HostConnection();
    HostConnection(const HostConnection&) = delete;
    HostConnection& operator=(const HostConnection&) = delete;

    // Connects unless that has begun; `ready` runs once the connection is made or has failed,
    // at once when that is already known.
    void open(Ready ready);

private:
    void connected();
    void failed(int error);

    QString host_;
    quint16 port_;
    std::unique_ptr<QTcpSocket> socket_;
    int descriptor_ = -1;
    int error_ = 0;
    std::vector<Ready> waiting_;
};

} // namespace platform::detail
