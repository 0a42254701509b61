#include "platform/testing/UndoStackBaseline.h"

#include <QUndoCommand>
#include <QUndoStack>

namespace platform::testing {

namespace {

class Command : public QUndoCommand {
public:
    Command(UndoStackBaseline::Action action, Ref<Object> object)
        : action_(action), object_(std::move(object)) {}
    void undo() override { action_(object_); }
    void redo() override {}

private:
    UndoStackBaseline::Action action_;
    Ref<Object> object_;
};

} // namespace

struct UndoStackBaseline::Stack {
    QUndoStack stack;
};

UndoStackBaseline::UndoStackBaseline() : stack_(std::make_unique<Stack>()) {}
UndoStackBaseline::~UndoStackBaseline() = default;

void UndoStackBaseline::registerUndo(Action action, Ref<Object> object) {
    stack_->stack.push(new Command(action, std::move(object)));
}

void UndoStackBaseline::undo() {
    stack_->stack.undo();
}

} // namespace platform::testing
