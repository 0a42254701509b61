#pragma once

#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Stream;

// What a stream tells its delegate, one StreamEvent a call; nothing by default.
class StreamDelegate {
public:
    virtual ~StreamDelegate();
    virtual void streamHandleEvent(const Ref<Stream>& stream, std::uint64_t event);
};

} // namespace platform
