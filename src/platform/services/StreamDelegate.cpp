#include "platform/services/StreamDelegate.h"

namespace platform {

StreamDelegate::~StreamDelegate() = default;

void StreamDelegate::streamHandleEvent(const Ref<Stream>&, std::uint64_t) {}

} // namespace platform
