#include "platform/foundation/String.h"

#include "platform/foundation/Array.h"

#include <QString>
#include <QStringView>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <locale.h>
#include <type_traits>

namespace platform {

namespace {

QStringView view(const std::u16string& units) {
    return QStringView(units.data(), static_cast<qsizetype>(units.size()));
}

ComparisonResult orderOf(int comparison) {
    if (comparison < 0)
        return ComparisonResult::Ascending;
    return comparison > 0 ? ComparisonResult::Descending : ComparisonResult::Same;
}

void appendUtf8(std::u16string& out, const char* bytes, std::size_t count) {
    if (count == 0)
        return;
    out += QString::fromUtf8(bytes, static_cast<qsizetype>(count)).toStdU16String();
}

// The C library's number conversions follow the process's locale, which the toolkit sets from
// the environment at start-up; formatted numbers must read "1.5" whatever the user's language.
// This makes the calling thread use the "C" locale for as long as it lives.
class CLocaleScope {
public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t cLocale() {
        static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
        return locale;
    }
    locale_t previous_;
};

// One printf-style directive after its '%': flags, width, precision, length and conversion.
struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    std::string length;
    char conversion = 0;
};

// Writes a format into a UTF-16 string, one directive at a time. The argument list is copied so
// that the caller's list stays usable.
class Formatter {
public:
    Formatter(std::u16string& out, std::va_list arguments) : out_(out) {
        va_copy(arguments_, arguments);
    }
    ~Formatter() { va_end(arguments_); }
    Formatter(const Formatter&) = delete;
    Formatter& operator=(const Formatter&) = delete;

    void run(const char* format) {
        const char* literal = format;
        const char* p = format;
        while (*p) {
            if (*p != '%') {
                ++p;
                continue;
            }
            appendUtf8(out_, literal, static_cast<std::size_t>(p - literal));
            const char* start = p;
            Directive directive;
            p = parse(p + 1, directive);
            if (!write(directive))
                appendUtf8(out_, start, static_cast<std::size_t>(p - start));
            literal = p;
        }
        appendUtf8(out_, literal, static_cast<std::size_t>(p - literal));
    }

private:
    static int readNumber(const char*& p) {
        long long value = 0;
        while (*p >= '0' && *p <= '9') {
            value = std::min<long long>(value * 10 + (*p - '0'), INT_MAX);
            ++p;
        }
        return static_cast<int>(value);
    }

    // Reads the directive's parts; an asterisk takes its int from the arguments at once, as
    // printf does. Returns the position after the conversion character (or the end of the
    // format when the directive is cut short, leaving the conversion 0).
    const char* parse(const char* p, Directive& directive) {
        while (*p && std::strchr("-+ #0'", *p))
            directive.flags += *p++;
        if (*p == '*') {
            ++p;
            const int width = va_arg(arguments_, int);
            if (width < 0) {
                directive.flags += '-';
                directive.width = width == INT_MIN ? INT_MAX : -width;
            } else {
                directive.width = width;
            }
        } else if (*p >= '0' && *p <= '9') {
            directive.width = readNumber(p);
        }
        if (*p == '.') {
            ++p;
            if (*p == '*') {
                ++p;
                directive.precision = std::max(va_arg(arguments_, int), -1);
            } else {
                directive.precision = readNumber(p);
            }
        }
        while (*p && std::strchr("hlqLzjt", *p))
            directive.length += *p++;
        if (*p)
            directive.conversion = *p++;
        return p;
    }

    // A conversion through the C library, given the argument already fetched with its type.
    template <class T>
    void writeC(const Directive& directive, T value) {
        std::string cFormat = "%" + directive.flags;
        if (directive.width >= 0)
            cFormat += std::to_string(directive.width);
        if (directive.precision >= 0)
            cFormat += "." + std::to_string(directive.precision);
        if constexpr (std::is_same_v<T, long double>)
            cFormat += 'L';
        else if constexpr (std::is_integral_v<T>)
            cFormat += "ll";
        cFormat += directive.conversion;
        const CLocaleScope cLocale;
        const int needed = std::snprintf(nullptr, 0, cFormat.c_str(), value);
        if (needed <= 0)
            return;
        std::string text(static_cast<std::size_t>(needed) + 1, '\0');
        std::snprintf(text.data(), text.size(), cFormat.c_str(), value);
        text.resize(static_cast<std::size_t>(needed));
        for (const char c : text)
            out_ += static_cast<char16_t>(static_cast<unsigned char>(c));
    }

    // Text directives pad in UTF-16 code units, on the left unless the '-' flag is set.
    void writePadded(const Directive& directive, const std::u16string& text) {
        const std::size_t width =
            directive.width > 0 ? static_cast<std::size_t>(directive.width) : 0;
        const std::size_t padding = width > text.size() ? width - text.size() : 0;
        const bool left = directive.flags.find('-') != std::string::npos;
        if (!left)
            out_.append(padding, u' ');
        out_ += text;
        if (left)
            out_.append(padding, u' ');
    }

    long long signedArgument(const Directive& directive) {
        const std::string& l = directive.length;
        if (l == "l")
            return va_arg(arguments_, long);
        if (l == "ll" || l == "q" || l == "j")
            return va_arg(arguments_, long long);
        if (l == "z" || l == "t")
            return va_arg(arguments_, std::ptrdiff_t);
        const int value = va_arg(arguments_, int);
        if (l == "hh")
            return static_cast<signed char>(value);
        if (l == "h")
            return static_cast<short>(value);
        return value;
    }

    unsigned long long unsignedArgument(const Directive& directive) {
        const std::string& l = directive.length;
        if (l == "l")
            return va_arg(arguments_, unsigned long);
        if (l == "ll" || l == "q" || l == "j")
            return va_arg(arguments_, unsigned long long);
        if (l == "z" || l == "t")
            return va_arg(arguments_, std::size_t);
        const unsigned value = va_arg(arguments_, unsigned);
        if (l == "hh")
            return static_cast<unsigned char>(value);
        if (l == "h")
            return static_cast<unsigned short>(value);
        return value;
    }

    // Whether the length modifier is one that the conversion takes: the integer modifiers for
    // integers, L for floating point, none for the rest.
    static bool takesLength(const Directive& directive) {
        static constexpr std::string_view integer[] = {"",  "hh", "h", "l", "ll",
                                                       "q", "z",  "j", "t"};
        const std::string_view length = directive.length;
        if (std::strchr("diuoxX", directive.conversion))
            return std::find(std::begin(integer), std::end(integer), length) != std::end(integer);
        if (std::strchr("fFeEgGaA", directive.conversion))
            return length.empty() || length == "l" || length == "L";
        return length.empty();
    }

    // Writes one directive; false when it is not understood.
    bool write(const Directive& directive) {
        if (directive.conversion == 0 || !takesLength(directive))
            return false;
        switch (directive.conversion) {
        case '%':
            out_ += u'%';
            return true;
        case 'd':
        case 'i':
            writeC(directive, signedArgument(directive));
            return true;
        case 'u':
        case 'o':
        case 'x':
        case 'X':
            writeC(directive, unsignedArgument(directive));
            return true;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
        case 'a':
        case 'A':
            if (directive.length == "L")
                writeC(directive, va_arg(arguments_, long double));
            else
                writeC(directive, va_arg(arguments_, double));
            return true;
        case 'p':
            writeC(directive, va_arg(arguments_, void*));
            return true;
        case 'c':
            writePadded(directive,
                        std::u16string(1, static_cast<char16_t>(va_arg(arguments_, int) & 0xFF)));
            return true;
        case 'C':
            writePadded(directive,
                        std::u16string(1, static_cast<char16_t>(va_arg(arguments_, int) & 0xFFFF)));
            return true;
        case 's':
            writeUtf8Argument(directive, va_arg(arguments_, const char*));
            return true;
        case '@': {
            const auto* object = va_arg(arguments_, const Object*);
            writePadded(directive, object ? object->description()->utf16() : u"(null)");
            return true;
        }
        default:
            return false;
        }
    }

    void writeUtf8Argument(const Directive& directive, const char* bytes) {
        if (!bytes) {
            writePadded(directive, u"(null)");
            return;
        }
        std::size_t count;
        if (directive.precision >= 0) {
            const auto limit = static_cast<std::size_t>(directive.precision);
            const void* zero = std::memchr(bytes, 0, limit);
            count = zero ? static_cast<std::size_t>(static_cast<const char*>(zero) - bytes) : limit;
        } else {
            count = std::strlen(bytes);
        }
        std::u16string text;
        appendUtf8(text, bytes, count);
        writePadded(directive, text);
    }

    std::u16string& out_;
    std::va_list arguments_;
};

// The end of s without its trailing slashes; a string of slashes keeps its first one.
std::size_t endWithoutTrailingSlashes(const std::u16string& s) {
    std::size_t end = s.size();
    while (end > 1 && s[end - 1] == u'/')
        --end;
    return end;
}

} // namespace

String::String(std::u16string units) : units_(std::move(units)) {}

Ref<String> String::create(std::u16string units) {
    return std::make_shared<String>(std::move(units));
}

Ref<String> String::fromUtf8(std::string_view utf8) {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return create(text.toStdU16String());
}

Ref<String> String::stringWithFormat(const char* format, ...) {
    std::va_list arguments;
    va_start(arguments, format);
    Ref<String> result = stringWithFormatArguments(format, arguments);
    va_end(arguments);
    return result;
}

Ref<String> String::stringWithFormatArguments(const char* format, std::va_list arguments) {
    std::u16string out;
    if (format)
        Formatter(out, arguments).run(format);
    return create(std::move(out));
}

std::string String::utf8() const {
    return view(units_).toUtf8().toStdString();
}

char16_t String::characterAtIndex(std::size_t index) const {
    return index < units_.size() ? units_[index] : u'\0';
}

ComparisonResult String::compare(const String& other) const {
    return orderOf(units_.compare(other.units_));
}

ComparisonResult String::caseInsensitiveCompare(const String& other) const {
    return orderOf(view(units_).compare(view(other.units_), Qt::CaseInsensitive));
}

ComparisonResult String::localizedCompare(const String& other) const {
    return orderOf(QString::localeAwareCompare(view(units_), view(other.units_)));
}

bool String::hasPrefix(const String& prefix) const {
    return std::u16string_view(units_).starts_with(prefix.units_);
}

bool String::hasSuffix(const String& suffix) const {
    return std::u16string_view(units_).ends_with(suffix.units_);
}

Ref<String> String::uppercaseString() const {
    return create(view(units_).toString().toUpper().toStdU16String());
}

Ref<String> String::lowercaseString() const {
    return create(view(units_).toString().toLower().toStdU16String());
}

Ref<String> String::capitalizedString() const {
    QString result;
    result.reserve(static_cast<qsizetype>(units_.size()));
    const QStringView text = view(units_);
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i].isSpace()) {
            result += text[i++];
            continue;
        }
        qsizetype end = i;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        // The first character may be a surrogate pair; it is cased as one code point.
        const qsizetype first = text[i].isHighSurrogate() && i + 1 < end ? 2 : 1;
        result += text.mid(i, first).toString().toUpper();
        result += text.mid(i + first, end - i - first).toString().toLower();
        i = end;
    }
    return create(result.toStdU16String());
}

std::pair<std::size_t, std::size_t> String::clip(Range range) const {
    const auto size = static_cast<std::int64_t>(units_.size());
    if (range.length <= 0 || range.location >= size)
        return {0, 0};
    // Written so that no sum can overflow, whatever the range holds.
    const std::int64_t end =
        range.location > size - range.length ? size : range.location + range.length;
    const std::int64_t begin = std::max<std::int64_t>(range.location, 0);
    if (end <= begin)
        return {0, 0};
    return {static_cast<std::size_t>(begin), static_cast<std::size_t>(end - begin)};
}

Ref<String> String::substringWithRange(Range range) const {
    const auto [begin, count] = clip(range);
    return create(units_.substr(begin, count));
}

Ref<String> String::stringByAppendingString(const String& other) const {
    return create(units_ + other.units_);
}

Ref<Array> String::componentsSeparatedByString(const String& separator) const {
    auto result = Array::array();
    const std::u16string& sep = separator.units_;
    if (sep.empty()) {
        result->addObject(create(units_));
        return result;
    }
    std::size_t start = 0;
    for (std::size_t found; (found = units_.find(sep, start)) != std::u16string::npos;
         start = found + sep.size())
        result->addObject(create(units_.substr(start, found - start)));
    result->addObject(create(units_.substr(start)));
    return result;
}

Ref<String> String::lastPathComponent() const {
    const std::size_t end = endWithoutTrailingSlashes(units_);
    if (end == 1 && units_[0] == u'/')
        return create(u"/");
    const std::size_t slash = units_.rfind(u'/', end == 0 ? 0 : end - 1);
    const std::size_t begin = slash == std::u16string::npos ? 0 : slash + 1;
    return create(units_.substr(begin, end - begin));
}

Ref<String> String::pathExtension() const {
    const std::u16string name = lastPathComponent()->units_;
    const std::size_t dot = name.rfind(u'.');
    if (dot == std::u16string::npos || dot == 0)
        return create();
    return create(name.substr(dot + 1));
}

Ref<String> String::stringByAppendingPathComponent(const String& component) const {
    std::u16string path = units_.substr(0, endWithoutTrailingSlashes(units_));
    const std::size_t skip = component.units_.find_first_not_of(u'/');
    const std::u16string tail =
        skip == std::u16string::npos ? std::u16string() : component.units_.substr(skip);
    if (!path.empty() && path.back() != u'/' && !tail.empty())
        path += u'/';
    path += tail;
    return create(std::move(path));
}

Ref<String> String::description() const {
    // A string owned through Ref describes itself; one that is not (a local, a member) cannot
    // hand out a reference to itself and gives a copy.
    if (const auto self = weak_from_this().lock())
        return std::const_pointer_cast<String>(std::static_pointer_cast<const String>(self));
    return create(units_);
}

bool String::isEqual(const Object& other) const {
    const auto* string = dynamic_cast<const String*>(&other);
    return string && string->units_ == units_;
}

std::size_t String::hash() const {
    return std::hash<std::u16string>{}(units_);
}

} // namespace platform
