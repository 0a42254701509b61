#include "runtime/services/CUI_StreamDelegate.h"

#include "platform/services/Stream.h"

void CUI_StreamDelegate::streamHandleEvent(const platform::Ref<platform::Stream>& stream,
                                           std::uint64_t event) {
    if (callback_)
        callback_(stream, event, userData_);
}
