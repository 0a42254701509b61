#include "platform/detail/PropertyListText.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Dictionary.h"

#include <algorithm>

namespace platform::detail {

namespace {

bool isPlainWordCharacter(char16_t c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
           c == u'_' || c == u'$' || c == u'+' || c == u'/' || c == u':' || c == u'.' || c == u'-';
}

// A plain word stands bare; anything else (blanks, punctuation, non-ASCII letters, the empty
// string) is quoted so that the list stays readable as a list. Non-ASCII text is kept as it is.
std::u16string stringText(const std::u16string& text) {
    bool plain = !text.empty();
    for (const char16_t c : text)
        plain = plain && isPlainWordCharacter(c);
    if (plain)
        return text;
    std::u16string quoted = u"\"";
    for (const char16_t c : text) {
        switch (c) {
        case u'"':
            quoted += u"\\\"";
            break;
        case u'\\':
            quoted += u"\\\\";
            break;
        case u'\n':
            quoted += u"\\n";
            break;
        case u'\r':
            quoted += u"\\r";
            break;
        case u'\t':
            quoted += u"\\t";
            break;
        default:
            quoted += c;
        }
    }
    return quoted + u'"';
}

std::u16string indent(int level) {
    return std::u16string(static_cast<std::size_t>(std::max(level, 0)) * 4, u' ');
}

} // namespace

std::u16string propertyListText(const Object& object, int level) {
    if (const auto* array = dynamic_cast<const Array*>(&object)) {
        if (array->count() == 0)
            return u"()";
        std::u16string text = u"(\n";
        std::size_t remaining = array->count();
        for (const Ref<Object>& element : *array) {
            text += indent(level + 1) + propertyListText(*element, level + 1);
            text += --remaining > 0 ? u",\n" : u"\n";
        }
        return text + indent(level) + u')';
    }
    if (const auto* dictionary = dynamic_cast<const Dictionary*>(&object)) {
        std::u16string text = u"{\n";
        for (const Dictionary::Entry& entry : *dictionary)
            text += indent(level + 1) + propertyListText(*entry.key, level + 1) + u" = " +
                    propertyListText(*entry.value, level + 1) + u";\n";
        return text + indent(level) + u'}';
    }
    if (const auto* string = dynamic_cast<const String*>(&object))
        return stringText(string->utf16());
    return object.description()->utf16();
}

} // namespace platform::detail
