#pragma once

#include "platform/foundation/String.h"

namespace platform {

// A string that can be changed in place. Everything that reads a String reads it too; its
// description is a copy, so a description taken earlier does not change with it.
class MutableString : public String {
public:
    explicit MutableString(std::u16string units = {});
    static Ref<MutableString> create(std::u16string units = {});
    static Ref<MutableString> stringWithString(const String& string);

    void appendString(const String& string);
    // Appends the text of a format (see String::stringWithFormat).
    void appendFormat(const char* format, ...);
    void setString(const String& string);
    // Removes the code units inside range, clipped to the string.
    void deleteCharactersInRange(Range range);

    Ref<String> description() const override;
};

} // namespace platform
