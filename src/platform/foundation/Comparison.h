#pragma once

// Comparisons named by selector, for code that is told which comparison to use by name (a sort
// "using selector"). Strings answer all three comparisons, numbers answer compare: only.

#include "platform/foundation/String.h"

#include <optional>
#include <string_view>

namespace platform {

enum class ComparisonSelector { Compare, CaseInsensitiveCompare, LocalizedCompare };

// The comparison a selector name stands for ("compare:", "caseInsensitiveCompare:",
// "localizedCompare:"), or none for any other name.
std::optional<ComparisonSelector> comparisonSelectorNamed(std::string_view name);

// Whether object answers the comparison.
bool respondsToComparison(const Object& object, ComparisonSelector selector);

// The comparison sent to a with b as its argument: none when a does not answer it or b is not of
// the kind a compares with (a string with a string, a number with a number).
std::optional<ComparisonResult> compareBySelector(const Object& a, const Object& b,
                                                  ComparisonSelector selector);

} // namespace platform
