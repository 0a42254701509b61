#include "platform/windows/AlertDelegate.h"

namespace platform {

AlertDelegate::~AlertDelegate() = default;

bool AlertDelegate::alertShowHelp(const Ref<Alert>&) {
    return false;
}

} // namespace platform
