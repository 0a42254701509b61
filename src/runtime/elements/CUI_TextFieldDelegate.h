#pragma once

// The delegate the wiring gives editable text fields and secure text fields. It reports each
// editing notice and question of a field through ControlEvent; for a question it first prepares
// the shared record with the answer the field gives without a delegate, and then answers what
// the program left there. One instance serves every field.

#include "platform/foundation/Object.h"
#include "platform/foundation/Selector.h"
#include "platform/views/TextFieldDelegate.h"

#include <cstdint>
#include <string_view>

class CUI_TextFieldDelegate : public platform::Object, public platform::TextFieldDelegate {
public:
    // The one delegate, created on first use and never released: fields hold it weakly.
    static const platform::Ref<CUI_TextFieldDelegate>& shared();

    // A field whose action this is reports it as its action event.
    void textFieldAction(const platform::Ref<platform::Object>& sender);
    // The action "textFieldAction:".
    static platform::Selector actionSelector();

    bool controlTextShouldBeginEditing(const platform::Ref<platform::Control>& control,
                                       const platform::Ref<platform::Object>& fieldEditor) override;
    bool controlTextShouldEndEditing(const platform::Ref<platform::Control>& control,
                                     const platform::Ref<platform::Object>& fieldEditor) override;
    void controlTextDidBeginEditing(const platform::Ref<platform::Notification>& notice) override;
    void controlTextDidChange(const platform::Ref<platform::Notification>& notice) override;
    void controlTextDidEndEditing(const platform::Ref<platform::Notification>& notice) override;
    bool controlTextViewDoCommandBySelector(const platform::Ref<platform::Control>& control,
                                            const platform::Ref<platform::Object>& textView,
                                            std::string_view selector) override;
};

// Asks a should-question of a text control through ControlEvent, with the field editor as the
// object: yes unless the program's callback says no.
bool TextShouldEvent(std::int64_t code, const platform::Ref<platform::Control>& control,
                     const platform::Ref<platform::Object>& fieldEditor);

// Reports the notice of a text control through ControlEvent: the control is the notice's object,
// and the notice itself is the object reported, or none.
void TextNoticeEvent(std::int64_t code, const platform::Ref<platform::Notification>& notice,
                     bool noticeAsObject);

// The number the record carries for an editing command, given by its selector name; 0 for every
// command without one.
std::int64_t TextCommandNumber(std::string_view selector);
