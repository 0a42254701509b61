#include "platform/views/Formatter.h"

namespace platform {

bool Formatter::
    isPartialStringValidProposedSelectedRangeOriginalStringOriginalSelectedRangeErrorDescription(
        Ref<String>*, Range*, const Ref<String>&, Range, Ref<String>*) {
    return true;
}

} // namespace platform
