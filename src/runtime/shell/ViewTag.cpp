#include "runtime/shell/ViewTag.h"

#include "platform/foundation/String.h"
#include "platform/views/View.h"

#include <limits>

std::int64_t IntegerValue(const platform::Ref<platform::String>& text) {
    if (!text)
        return 0;
    const std::u16string& units = text->utf16();
    std::size_t i = 0;
    while (i < units.size() && (units[i] == u' ' || units[i] == u'\t' || units[i] == u'\n'))
        ++i;
    bool negative = false;
    if (i < units.size() && (units[i] == u'-' || units[i] == u'+'))
        negative = units[i++] == u'-';
    // Accumulated as a negative number, so that the most negative value fits; too many digits
    // stop at the limit.
    std::int64_t value = 0;
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    for (; i < units.size() && units[i] >= u'0' && units[i] <= u'9'; ++i) {
        const int digit = units[i] - u'0';
        if (value < (lowest + digit) / 10) {
            value = lowest;
            break;
        }
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == lowest ? std::numeric_limits<std::int64_t>::max() : -value;
}

std::int64_t ViewTag(const platform::View& view) {
    const std::string name = view.className();
    if (name == "View" || name == "ViewSC" || name == "ContentViewSC")
        return IntegerValue(view.identifier());
    return view.tag();
}
