#pragma once

// Internal to the platform: a string as the toolkit takes it; no string is the empty one.

#include "platform/foundation/String.h"

#include <QString>

namespace platform::detail {

inline QString toQString(const Ref<String>& string) {
    return string ? QString::fromStdU16String(string->utf16()) : QString();
}

} // namespace platform::detail
