#pragma once

// The delegate the wiring gives token fields that have none. The editing notices and the
// should-begin and should-end questions reach the program through ControlEvent, as a text
// field's do, with no object for the notices; the token questions reach only the dialog
// callback, with the token field's tag and wndTag. Each question first prepares the shared
// record with the answer the field gives without a delegate, and then answers what the program
// left there. One instance serves every token field.

#include "platform/foundation/Object.h"
#include "platform/views/controls/TokenFieldDelegate.h"

#include <cstdint>

class CUI_TokenFieldDelegate : public platform::Object, public platform::TokenFieldDelegate {
public:
    // The one delegate, created on first use and never released: fields hold it weakly.
    static const platform::Ref<CUI_TokenFieldDelegate>& shared();

    // The token field's window becomes the current output window (by the magnitude of the
    // field's wndTag), and the dialog callback, when installed, hears the code with the object.
    void tokenFieldForwardEventObject(const platform::Ref<platform::TokenField>& field,
                                      std::int64_t code,
                                      const platform::Ref<platform::Object>& object);

    bool controlTextShouldBeginEditing(const platform::Ref<platform::Control>& control,
                                       const platform::Ref<platform::Object>& fieldEditor) override;
    bool controlTextShouldEndEditing(const platform::Ref<platform::Control>& control,
                                     const platform::Ref<platform::Object>& fieldEditor) override;
    void controlTextDidBeginEditing(const platform::Ref<platform::Notification>& notice) override;
    void controlTextDidChange(const platform::Ref<platform::Notification>& notice) override;
    void controlTextDidEndEditing(const platform::Ref<platform::Notification>& notice) override;

    platform::Ref<platform::String> tokenFieldDisplayStringForRepresentedObject(
        const platform::Ref<platform::TokenField>& field,
        const platform::Ref<platform::Object>& object) override;
    platform::TokenStyle
    tokenFieldStyleForRepresentedObject(const platform::Ref<platform::TokenField>& field,
                                        const platform::Ref<platform::Object>& object) override;
    platform::Ref<platform::Array> tokenFieldCompletionsForSubstringIndexOfTokenIndexOfSelectedItem(
        const platform::Ref<platform::TokenField>& field,
        const platform::Ref<platform::String>& substring, std::int64_t tokenIndex,
        std::int64_t& selectedIndex) override;
    platform::Ref<platform::String> tokenFieldEditingStringForRepresentedObject(
        const platform::Ref<platform::TokenField>& field,
        const platform::Ref<platform::Object>& object) override;
    platform::Ref<platform::Object> tokenFieldRepresentedObjectForEditingString(
        const platform::Ref<platform::TokenField>& field,
        const platform::Ref<platform::String>& string) override;
    platform::Ref<platform::Array>
    tokenFieldShouldAddObjectsAtIndex(const platform::Ref<platform::TokenField>& field,
                                      const platform::Ref<platform::Array>& tokens,
                                      std::int64_t index) override;
    platform::Ref<platform::Array>
    tokenFieldReadFromPasteboard(const platform::Ref<platform::TokenField>& field,
                                 const platform::Ref<platform::Pasteboard>& pasteboard) override;
    bool tokenFieldWriteRepresentedObjectsToPasteboard(
        const platform::Ref<platform::TokenField>& field,
        const platform::Ref<platform::Array>& objects,
        const platform::Ref<platform::Pasteboard>& pasteboard) override;
    bool
    tokenFieldHasMenuForRepresentedObject(const platform::Ref<platform::TokenField>& field,
                                          const platform::Ref<platform::Object>& object) override;
    platform::Ref<platform::Menu>
    tokenFieldMenuForRepresentedObject(const platform::Ref<platform::TokenField>& field,
                                       const platform::Ref<platform::Object>& object) override;
};
