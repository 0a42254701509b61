#pragma once

#include "platform/services/Stream.h"

#include <cstddef>
#include <cstdint>

namespace platform {

class String;

// A stream to write to.
class OutputStream : public Stream {
public:
    // Made by the factories and Stream::getBoundStreams.
    explicit OutputStream(std::unique_ptr<StreamPeer> peer);

    // The file is made, or emptied unless appending, when the stream opens.
    static Ref<OutputStream> outputStreamToFileAtPathAppend(const String& path, bool append);

    // Answers the bytes taken from the buffer, -1 when the stream is not open or failed. A
    // socket takes what it has room for, 0 bytes when it is full.
    std::int64_t writeMaxLength(const std::uint8_t* buffer, std::size_t length);
    bool hasSpaceAvailable() const;

private:
    bool openDevice() override;
    void opened() override;
};

} // namespace platform
