#include "platform/detail/EditingCommands.h"

#include <QKeyEvent>

namespace platform::detail {

const char* editingCommandForKey(const QKeyEvent& event) {
    struct Row {
        int key;
        const char* command;
        bool withShift;
    };
    static constexpr Row rows[] = {
        {Qt::Key_Return, "insertNewline:", true},   {Qt::Key_Enter, "insertNewline:", true},
        {Qt::Key_Escape, "cancelOperation:", true}, {Qt::Key_Tab, "insertTab:", false},
        {Qt::Key_Backtab, "insertBacktab:", true},  {Qt::Key_Backspace, "deleteBackward:", false},
        {Qt::Key_Delete, "deleteForward:", false},  {Qt::Key_Left, "moveLeft:", false},
        {Qt::Key_Right, "moveRight:", false},       {Qt::Key_Up, "moveUp:", false},
        {Qt::Key_Down, "moveDown:", false},         {Qt::Key_Home, "moveToBeginningOfLine:", false},
        {Qt::Key_End, "moveToEndOfLine:", false},
    };
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return nullptr;
    for (const Row& row : rows)
        if (row.key == event.key() && (row.withShift || !(modifiers & Qt::ShiftModifier)))
            return row.command;
    return nullptr;
}

QKeyEvent* tabKeyPress(QEvent& event) {
    if (event.type() != QEvent::KeyPress)
        return nullptr;
    auto* key = static_cast<QKeyEvent*>(&event);
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ? key : nullptr;
}

} // namespace platform::detail
