#include "runtime/core/PStr.h"

#include "platform/foundation/MacRoman.h"
#include "platform/foundation/String.h"

#include <cstring>

PStr& PStrCopy(PStr& destination, const PStr& source) {
    std::memmove(destination.data(), source.data(), std::size_t{source[0]} + 1);
    return destination;
}

PStr& PStrAppend(PStr& destination, const PStr& source) {
    const int length = destination[0];
    const int added = length + source[0] <= PStrMaxLength ? source[0] : PStrMaxLength - length;
    std::memmove(destination.data() + 1 + length, source.data() + 1,
                 static_cast<std::size_t>(added));
    destination[0] = static_cast<std::uint8_t>(length + added);
    return destination;
}

char* PStrToCString(PStr& string) {
    const std::size_t length = string[0];
    std::memmove(string.data(), string.data() + 1, length);
    for (std::size_t i = 0; i < length; ++i)
        if (string[i] == 0)
            string[i] = 1;
    string[length] = 0;
    return reinterpret_cast<char*>(string.data());
}

void NSStringToPStr(const platform::Ref<platform::String>& source, PStr& destination) {
    destination[0] = 0;
    if (source)
        platform::StringGetPascalString(*source, destination.data(), destination.size(),
                                        platform::PascalConversion::Lossy);
}
