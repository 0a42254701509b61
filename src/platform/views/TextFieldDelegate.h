#pragma once

#include "platform/foundation/Object.h"

#include <string_view>

namespace platform {

class Control;
class Notification;

// What a text field tells and asks its delegate while the user edits it. Each method answers
// what the framework answers when a field has no delegate. The notifications carry the field
// as their object. A field edits its own text, so the field itself stands where the framework
// passes its field editor.
class TextFieldDelegate {
public:
    virtual ~TextFieldDelegate();

    // Asked before the first change of an editing session; no refuses the change.
    virtual bool controlTextShouldBeginEditing(const Ref<Control>& control,
                                               const Ref<Object>& fieldEditor);
    // Asked before Return, Tab or Back-Tab ends editing; no keeps the session going.
    virtual bool controlTextShouldEndEditing(const Ref<Control>& control,
                                             const Ref<Object>& fieldEditor);
    // After the first change of an editing session.
    virtual void controlTextDidBeginEditing(const Ref<Notification>& notification);
    // After every change the user makes to the text (typing, deleting, pasting, cutting), once
    // the field's formatter has let it through.
    virtual void controlTextDidChange(const Ref<Notification>& notification);
    // When editing ends: Return or Enter, Tab or Back-Tab, or the field losing the keyboard
    // focus to another view after the user edited it. Return ends editing even when nothing
    // was typed.
    virtual void controlTextDidEndEditing(const Ref<Notification>& notification);
    // Asked for each editing command a key gives, before the field performs it. The command is
    // the framework's selector name: "insertNewline:" (Return, Enter), "cancelOperation:"
    // (Escape), "insertTab:", "insertBacktab:", "deleteBackward:" (Backspace),
    // "deleteForward:" (Delete), "moveLeft:", "moveRight:", "moveUp:", "moveDown:",
    // "moveToBeginningOfLine:" (Home), "moveToEndOfLine:" (End). Answer true when the delegate
    // has handled the command, and the field then does nothing more with the key. Unhandled,
    // "insertNewline:" ends editing, the tab commands end editing and move the focus, and
    // "cancelOperation:" passes the key on to the window.
    virtual bool controlTextViewDoCommandBySelector(const Ref<Control>& control,
                                                    const Ref<Object>& textView,
                                                    std::string_view selector);
};

} // namespace platform
