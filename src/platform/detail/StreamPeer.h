#pragma once

// Internal to the platform: the toolkit's side of a stream, a file or one end of a socket.

#include "platform/detail/HostConnection.h"

#include <QFile>
#include <QSocketNotifier>

#include <memory>
#include <string>

namespace platform {

struct StreamPeer {
    ~StreamPeer();
    // Closes the file or the socket.
    void close();

    // A file stream opens its path when the stream is opened.
    std::string path;
    bool append = false;
    std::unique_ptr<QFile> file;
    // A socket stream owns its end from the start; the notifier says when it can go on.
    int socket = -1;
    std::unique_ptr<QSocketNotifier> ready;
    // A stream to a host gets its socket once the connection is made.
    std::shared_ptr<detail::HostConnection> host;
    // How closing ends this stream's direction of a connection that the other stream of the pair
    // still uses (shutdown(2)); -1 for a socket of its own.
    int shutdownHow = -1;
};

} // namespace platform
