#pragma once

// Internal to the platform: the toolkit's side of a stream, a file or one end of a socket.

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
};

} // namespace platform
