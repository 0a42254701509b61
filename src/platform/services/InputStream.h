#pragma once

#include "platform/services/Stream.h"

#include <cstddef>
#include <cstdint>

namespace platform {

class String;

// A stream to read from.
class InputStream : public Stream {
public:
    // Made by the factories and Stream::getBoundStreams.
    explicit InputStream(std::unique_ptr<StreamPeer> peer);

    // The file is opened when the stream is.
    static Ref<InputStream> inputStreamWithFileAtPath(const String& path);

    // Answers the bytes read into the buffer, 0 at the end, -1 when the stream is not open or
    // failed. A socket with nothing to read waits for bytes, as a blocking read does: reading
    // after HasBytesAvailable never waits.
    std::int64_t readMaxLength(std::uint8_t* buffer, std::size_t maxLength);
    bool hasBytesAvailable() const;

private:
    bool openDevice() override;
    void opened() override;
    // After a read: more to read, the end, or a wait for the socket.
    void followRead();
    // 1 when bytes wait (or might, for a file), 0 at the end, -1 while a socket has none yet,
    // and -1 - the error number when the socket failed.
    int waiting() const;
};

} // namespace platform
