#include "runtime/elements/PopoverSC.h"

#include "runtime/shell/Callbacks.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/ViewTag.h"
#include "runtime/shell/WindowOperations.h"

void PopoverSC::awakeFromNib() {
    Popover::awakeFromNib();
    const std::int64_t tag = IntegerValue(identifier());
    CurrentOutputWindowTagSet(tag);
    DialogCallbackCall(WindowEvent::AwakeFromNib, tag, tag, self());
}
