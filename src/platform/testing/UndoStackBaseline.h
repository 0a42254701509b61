#pragma once

#include "platform/foundation/Object.h"

#include <memory>

namespace platform::testing {

// The toolkit's undo stack used directly, as benchmarks measure the undo manager against it:
// each registration pushes a command of its own whose undo calls a plain function with the
// object it keeps.
class UndoStackBaseline {
public:
    using Action = void (*)(const Ref<Object>& object);

    UndoStackBaseline();
    ~UndoStackBaseline();
    UndoStackBaseline(const UndoStackBaseline&) = delete;
    UndoStackBaseline& operator=(const UndoStackBaseline&) = delete;

    void registerUndo(Action action, Ref<Object> object);
    void undo();

private:
    struct Stack;
    std::unique_ptr<Stack> stack_;
};

} // namespace platform::testing
