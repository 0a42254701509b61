#pragma once

// Internal to the platform: the conversions between the framework's strings and the toolkit's.

#include "platform/foundation/Object.h"
#include "platform/foundation/String.h"

#include <QString>

namespace platform::detail {

// An absent string is the toolkit's null string.
inline QString toQString(const Ref<String>& string) {
    return string ? QString::fromStdU16String(string->utf16()) : QString();
}

inline Ref<String> fromQString(const QString& string) {
    return String::create(string.toStdU16String());
}

} // namespace platform::detail
