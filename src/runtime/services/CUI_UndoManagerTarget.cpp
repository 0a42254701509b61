#include "runtime/services/CUI_UndoManagerTarget.h"

const platform::Selector& CUI_UndoManagerTarget::undoSelector() {
    static const platform::Selector selector("undoAction:", &CUI_UndoManagerTarget::undoAction);
    return selector;
}
