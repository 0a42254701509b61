#pragma once

#include "platform/views/TextFieldDelegate.h"

#include <cstdint>

namespace platform {

class Array;
class Menu;
class Pasteboard;
class String;
class TokenField;
enum class TokenStyle : std::int64_t;

// What a token field asks its delegate about its tokens, besides the editing notices and
// questions of a text field. A token stands for a represented object; each method answers what
// the field does without a delegate, and an answer of none leaves the field to that.
class TokenFieldDelegate : public TextFieldDelegate {
public:
    // The text a token shows; none shows the object's own description.
    virtual Ref<String> tokenFieldDisplayStringForRepresentedObject(const Ref<TokenField>& field,
                                                                    const Ref<Object>& object);
    // How the token is drawn; the default style is the field's.
    virtual TokenStyle tokenFieldStyleForRepresentedObject(const Ref<TokenField>& field,
                                                           const Ref<Object>& object);
    // The words offered while the user types the substring as the token at the index. The
    // selected index starts at -1 (none chosen) and may be set to one of the answers.
    virtual Ref<Array> tokenFieldCompletionsForSubstringIndexOfTokenIndexOfSelectedItem(
        const Ref<TokenField>& field, const Ref<String>& substring, std::int64_t tokenIndex,
        std::int64_t& selectedIndex);
    // The text a token gives back when the user edits it again; none gives its display string.
    virtual Ref<String> tokenFieldEditingStringForRepresentedObject(const Ref<TokenField>& field,
                                                                    const Ref<Object>& object);
    // The object a typed token stands for; none keeps the typed string itself.
    virtual Ref<Object> tokenFieldRepresentedObjectForEditingString(const Ref<TokenField>& field,
                                                                    const Ref<String>& string);
    // The tokens to insert at the index in place of the proposed ones: an empty array refuses
    // them all, none lets them all in.
    virtual Ref<Array> tokenFieldShouldAddObjectsAtIndex(const Ref<TokenField>& field,
                                                         const Ref<Array>& tokens,
                                                         std::int64_t index);
    // The objects a paste inserts as tokens; none pastes the pasteboard's text, which is then
    // split into tokens as typed text is.
    virtual Ref<Array> tokenFieldReadFromPasteboard(const Ref<TokenField>& field,
                                                    const Ref<Pasteboard>& pasteboard);
    // Asked when the user copies selected tokens: true when the delegate wrote them to the
    // pasteboard itself; otherwise the field copies their display strings.
    virtual bool tokenFieldWriteRepresentedObjectsToPasteboard(const Ref<TokenField>& field,
                                                               const Ref<Array>& objects,
                                                               const Ref<Pasteboard>& pasteboard);
    // Whether the token offers a menu when the user right-clicks it, and which.
    virtual bool tokenFieldHasMenuForRepresentedObject(const Ref<TokenField>& field,
                                                       const Ref<Object>& object);
    virtual Ref<Menu> tokenFieldMenuForRepresentedObject(const Ref<TokenField>& field,
                                                         const Ref<Object>& object);
};

} // namespace platform
