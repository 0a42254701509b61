#pragma once

#include "platform/views/TextField.h"

#include <cstdint>
#include <memory>

namespace platform {

class Array;
class CharacterSet;
class TokenFieldDelegate;

// How a token is drawn, with the framework's values. The default is the rounded chip.
enum class TokenStyle : std::int64_t {
    Default = 0,
    None = 1,
    Rounded = 2,
    Squared = 3,
    PlainSquared = 4
};

// A text field that turns what the user types into tokens: each token stands for an object (its
// represented object) and is drawn as a chip before the text still being typed. Typing or
// pasting a tokenizing character (a comma unless set otherwise), pressing Return or leaving the
// field makes tokens of the text typed so far, each piece trimmed of blanks; empty pieces make
// none. While the user types, the delegate may offer completions in a list below the field:
// Up and Down choose one, Return or a click makes it a token, Escape closes the list.
//
// Keys: Backspace with the caret at the start of the text selects the last token, and a second
// Backspace (or Delete) removes it; Left and Right move the selection from token to token, and
// Right past the last token returns to the text; any other key leaves the token selection and
// acts on the text. A click selects a token, a double click takes it back into the text for
// editing, a right click shows its menu. Ctrl+C copies the selected token, Ctrl+V pastes.
//
// The delegate is the field's delegate when that is a TokenFieldDelegate; it is asked about
// each token the user adds and about how tokens show (see TokenFieldDelegate). The program's own
// changes (setObjectValue, setStringValue) ask how tokens show but never whether to add them.
class TokenField : public TextField {
public:
    explicit TokenField(Rect frame = {});
    ~TokenField() override;

    // The represented objects of the tokens in order, followed by the text being typed (a
    // string) when there is some.
    Ref<Object> objectValue() const override;
    // An array gives one token per object; anything else is taken as text.
    void setObjectValue(const Ref<Object>& object) override;
    // The display strings of the tokens and the text being typed, joined by ", ".
    Ref<String> stringValue() const override;
    // The text split at the tokenizing characters, every piece a token.
    void setStringValue(const Ref<String>& string) override;

    Ref<CharacterSet> tokenizingCharacterSet() const;
    // None restores the default, the comma.
    void setTokenizingCharacterSet(Ref<CharacterSet> characters);
    static Ref<CharacterSet> defaultTokenizingCharacterSet();
    // The style of tokens whose delegate does not choose one.
    TokenStyle tokenStyle() const;
    void setTokenStyle(TokenStyle style);

    // The tokens as they show: how many, and each one's text and style.
    std::size_t tokenCount() const;
    Ref<String> displayStringOfToken(std::size_t index) const;
    TokenStyle styleOfToken(std::size_t index) const;
    // The selected token, -1 while the caret is in the text.
    std::int64_t selectedTokenIndex() const;
    // The completions the list shows now; empty while it is closed.
    Ref<Array> shownCompletions() const;

    // The field's delegate when it is a token-field delegate.
    std::shared_ptr<TokenFieldDelegate> tokenDelegate() const;

    void keyDown(const Ref<Event>& event) override;

    // Internal to the platform: the tokens and the toolkit widgets that show them.
    struct Tokens;

private:
    friend struct Tokens;
    std::unique_ptr<Tokens> tokens_;
};

} // namespace platform
