#pragma once

// What a view that draws text of its own tells assistive technologies such as screen readers.
// A view that takes this interface on is shown to them as a read-only document: its whole
// text, lines as text boundaries, the caret where the next text will go and the colour of each
// run. Offsets count UTF-16 code units, as String lengths do.

#include "platform/foundation/Geometry.h"
#include "platform/foundation/Object.h"

#include <cstdint>

namespace platform {

class Color;
class String;

class AccessibleText {
public:
    virtual ~AccessibleText() = default;

    // The whole text the view shows.
    virtual Ref<String> accessibilityValue() const = 0;
    // Where the next text will go.
    virtual std::int64_t accessibilityInsertionPointIndex() const = 0;
    // The colour of the text at the index and the run of text that shares it; no colour where
    // the index is in no run of the text.
    virtual Ref<Color> accessibilityForegroundColorAtIndex(std::int64_t index,
                                                           Range& run) const = 0;
};

} // namespace platform
