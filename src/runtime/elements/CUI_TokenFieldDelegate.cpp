#include "runtime/elements/CUI_TokenFieldDelegate.h"

#include "runtime/elements/CUI_TextFieldDelegate.h"

#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/EventForwarding.h"

#include "platform/app/Pasteboard.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/views/controls/TokenField.h"

using platform::Ref;
using platform::TokenField;

const Ref<CUI_TokenFieldDelegate>& CUI_TokenFieldDelegate::shared() {
    static const Ref<CUI_TokenFieldDelegate> delegate = std::make_shared<CUI_TokenFieldDelegate>();
    return delegate;
}

void CUI_TokenFieldDelegate::tokenFieldForwardEventObject(const Ref<TokenField>& field,
                                                          std::int64_t code,
                                                          const Ref<platform::Object>& object) {
    if (field)
        ForwardElementDelegateEvent(*field, code, object);
}

bool CUI_TokenFieldDelegate::controlTextShouldBeginEditing(
    const Ref<platform::Control>& control, const Ref<platform::Object>& fieldEditor) {
    return TextShouldEvent(TextEditingEvent::ShouldBeginEditing, control, fieldEditor);
}

bool CUI_TokenFieldDelegate::controlTextShouldEndEditing(const Ref<platform::Control>& control,
                                                         const Ref<platform::Object>& fieldEditor) {
    return TextShouldEvent(TextEditingEvent::ShouldEndEditing, control, fieldEditor);
}

void CUI_TokenFieldDelegate::controlTextDidBeginEditing(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidBeginEditing, notice, false);
}

void CUI_TokenFieldDelegate::controlTextDidChange(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidChange, notice, false);
}

void CUI_TokenFieldDelegate::controlTextDidEndEditing(const Ref<platform::Notification>& notice) {
    TextNoticeEvent(TextEditingEvent::DidEndEditing, notice, false);
}

Ref<platform::String> CUI_TokenFieldDelegate::tokenFieldDisplayStringForRepresentedObject(
    const Ref<TokenField>& field, const Ref<platform::Object>& object) {
    DialogEventSetStringObj(nullptr);
    tokenFieldForwardEventObject(field, TokenFieldEvent::DisplayString, object);
    return DialogEventStringObj();
}

platform::TokenStyle
CUI_TokenFieldDelegate::tokenFieldStyleForRepresentedObject(const Ref<TokenField>& field,
                                                            const Ref<platform::Object>& object) {
    DialogEventSetLongVal(0);
    tokenFieldForwardEventObject(field, TokenFieldEvent::Style, object);
    return static_cast<platform::TokenStyle>(DialogEventLongVal());
}

Ref<platform::Array>
CUI_TokenFieldDelegate::tokenFieldCompletionsForSubstringIndexOfTokenIndexOfSelectedItem(
    const Ref<TokenField>& field, const Ref<platform::String>& substring, std::int64_t tokenIndex,
    std::int64_t&) {
    DialogEventSetArrayObj(nullptr);
    DialogEventSetLongVal(tokenIndex);
    tokenFieldForwardEventObject(field, TokenFieldEvent::Completions, substring);
    return DialogEventArrayObj();
}

Ref<platform::String> CUI_TokenFieldDelegate::tokenFieldEditingStringForRepresentedObject(
    const Ref<TokenField>& field, const Ref<platform::Object>& object) {
    DialogEventSetStringObj(nullptr);
    tokenFieldForwardEventObject(field, TokenFieldEvent::EditingString, object);
    return DialogEventStringObj();
}

Ref<platform::Object> CUI_TokenFieldDelegate::tokenFieldRepresentedObjectForEditingString(
    const Ref<TokenField>& field, const Ref<platform::String>& string) {
    DialogEventSetObject(nullptr);
    tokenFieldForwardEventObject(field, TokenFieldEvent::RepresentedObject, string);
    return DialogEventObject();
}

Ref<platform::Array> CUI_TokenFieldDelegate::tokenFieldShouldAddObjectsAtIndex(
    const Ref<TokenField>& field, const Ref<platform::Array>& tokens, std::int64_t index) {
    DialogEventSetLongVal(index);
    DialogEventSetArrayObj(nullptr);
    tokenFieldForwardEventObject(field, TokenFieldEvent::ShouldAddObjects, tokens);
    return DialogEventArrayObj();
}

Ref<platform::Array>
CUI_TokenFieldDelegate::tokenFieldReadFromPasteboard(const Ref<TokenField>& field,
                                                     const Ref<platform::Pasteboard>& pasteboard) {
    DialogEventSetArrayObj(nullptr);
    tokenFieldForwardEventObject(field, TokenFieldEvent::ReadFromPasteboard, pasteboard);
    return DialogEventArrayObj();
}

bool CUI_TokenFieldDelegate::tokenFieldWriteRepresentedObjectsToPasteboard(
    const Ref<TokenField>& field, const Ref<platform::Array>& objects,
    const Ref<platform::Pasteboard>& pasteboard) {
    DialogEventSetBoolVal(false);
    DialogEventSetArrayObj(objects);
    tokenFieldForwardEventObject(field, TokenFieldEvent::WriteToPasteboard, pasteboard);
    return DialogEventBoolVal();
}

bool CUI_TokenFieldDelegate::tokenFieldHasMenuForRepresentedObject(
    const Ref<TokenField>& field, const Ref<platform::Object>& object) {
    DialogEventSetBoolVal(false);
    tokenFieldForwardEventObject(field, TokenFieldEvent::HasMenu, object);
    return DialogEventBoolVal();
}

Ref<platform::Menu>
CUI_TokenFieldDelegate::tokenFieldMenuForRepresentedObject(const Ref<TokenField>& field,
                                                           const Ref<platform::Object>& object) {
    DialogEventSetMenuObj(nullptr);
    tokenFieldForwardEventObject(field, TokenFieldEvent::Menu, object);
    return DialogEventMenuObj();
}
