#include "platform/foundation/Comparison.h"

#include "platform/foundation/Number.h"

#include <typeinfo>

namespace platform {

std::optional<ComparisonSelector> comparisonSelectorNamed(std::string_view name) {
    if (name == "compare:")
        return ComparisonSelector::Compare;
    if (name == "caseInsensitiveCompare:")
        return ComparisonSelector::CaseInsensitiveCompare;
    if (name == "localizedCompare:")
        return ComparisonSelector::LocalizedCompare;
    return std::nullopt;
}

bool respondsToComparison(const Object& object, ComparisonSelector selector) {
    if (dynamic_cast<const String*>(&object))
        return true;
    return selector == ComparisonSelector::Compare && dynamic_cast<const Number*>(&object);
}

std::optional<ComparisonResult> compareBySelector(const Object& a, const Object& b,
                                                  ComparisonSelector selector) {
    // Sorting numbers is the common case; the exact-type test spares it the casts below.
    if (selector == ComparisonSelector::Compare && typeid(a) == typeid(Number) &&
        typeid(b) == typeid(Number))
        return static_cast<const Number&>(a).compare(static_cast<const Number&>(b));
    if (const auto* string = dynamic_cast<const String*>(&a)) {
        const auto* other = dynamic_cast<const String*>(&b);
        if (!other)
            return std::nullopt;
        switch (selector) {
        case ComparisonSelector::Compare:
            return string->compare(*other);
        case ComparisonSelector::CaseInsensitiveCompare:
            return string->caseInsensitiveCompare(*other);
        case ComparisonSelector::LocalizedCompare:
            return string->localizedCompare(*other);
        }
    }
    if (selector != ComparisonSelector::Compare)
        return std::nullopt;
    const auto* number = dynamic_cast<const Number*>(&a);
    const auto* other = dynamic_cast<const Number*>(&b);
    if (!number || !other)
        return std::nullopt;
    return number->compare(*other);
}

} // namespace platform
