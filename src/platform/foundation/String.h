#pragma once

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdarg>
#include <string>
#include <string_view>
#include <utility>

namespace platform {

class Array;

// The framework's ordering of two values: the receiver before, equal to, or after the other.
enum class ComparisonResult : int { Ascending = -1, Same = 0, Descending = 1 };

// An immutable Unicode string. Its length counts UTF-16 code units, as the framework's does.
class String : public Object {
public:
    explicit String(std::u16string units = {});
    static Ref<String> create(std::u16string units = {});
    static Ref<String> fromUtf8(std::string_view utf8);

    // printf-style formatting with the framework's directives. The format is UTF-8. Besides the
    // C conversions (d i u o x X f F e E g G a A c s p, with flags, width, precision and the
    // length modifiers hh h l ll q L z t j) it knows %@ (a const Object*, written as its
    // description, "(null)" for none) and %C (a UTF-16 code unit passed as int). %c writes the
    // character whose code is the argument's low byte (ISO 8859-1). %s reads UTF-8; with a
    // precision it reads at most that many bytes, so an unterminated buffer is safe. A directive
    // that is not understood is copied to the result as written and takes no argument (beyond
    // the int of an asterisk in it, which is read before the conversion character is seen).
    static Ref<String> stringWithFormat(const char* format, ...);
    static Ref<String> stringWithFormatArguments(const char* format, std::va_list arguments);

    const std::u16string& utf16() const { return units_; }
    std::string utf8() const;
    std::size_t length() const { return units_.size(); }
    bool isEmpty() const { return units_.empty(); }
    // The code unit at index, or 0 past the end.
    char16_t characterAtIndex(std::size_t index) const;

    // Code-unit order, no locale and no case folding.
    ComparisonResult compare(const String& other) const;
    ComparisonResult caseInsensitiveCompare(const String& other) const;
    // The order of the user's locale, as a sorted list shown to the user should be.
    ComparisonResult localizedCompare(const String& other) const;
    bool hasPrefix(const String& prefix) const;
    bool hasSuffix(const String& suffix) const;

    Ref<String> uppercaseString() const;
    Ref<String> lowercaseString() const;
    // Each word's first character in upper case and the rest in lower case; words are separated
    // by white space (blanks, tabs and line ends).
    Ref<String> capitalizedString() const;

    // The part of the string inside range, clipped to the string.
    Ref<String> substringWithRange(Range range) const;
    Ref<String> stringByAppendingString(const String& other) const;
    // The pieces between occurrences of separator (an array of strings); the whole string as the
    // only piece when separator is empty or does not occur.
    Ref<Array> componentsSeparatedByString(const String& separator) const;

    // Path helpers on "/"-separated paths: trailing slashes are ignored, "/" is its own last
    // component, and a leading dot marks a hidden name, not an extension (".profile" has none).
    Ref<String> lastPathComponent() const;
    Ref<String> pathExtension() const;
    Ref<String> stringByAppendingPathComponent(const String& component) const;

    Ref<String> description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

protected:
    // The part of range that lies inside the string, as a start and a count of code units.
    std::pair<std::size_t, std::size_t> clip(Range range) const;

    std::u16string units_;
};

} // namespace platform
