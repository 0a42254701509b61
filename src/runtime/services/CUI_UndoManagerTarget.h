#pragma once

// The target of a program's undo registrations: undoing the change sends it undoAction with the
// object registered, and it calls the program's function with that object.
//
//     manager->registerUndoWithTargetSelectorObject(target, CUI_UndoManagerTarget::undoSelector(),
//                                                   oldValue);

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"

class CUI_UndoManagerTarget : public platform::Object {
public:
    using Callback = void (*)(const platform::Ref<platform::Object>& object);

    explicit CUI_UndoManagerTarget(Callback initial = nullptr) : callback_(initial) {}

    Callback callback() const { return callback_; }
    void setCallback(Callback newCallback) { callback_ = newCallback; }

    // Does nothing while no callback is set.
    void undoAction(const platform::Ref<platform::Object>& object) {
        if (callback_)
            callback_(object);
    }
    // The message that reaches undoAction, made once.
    static const platform::Selector& undoSelector();

private:
    Callback callback_ = nullptr;
};
