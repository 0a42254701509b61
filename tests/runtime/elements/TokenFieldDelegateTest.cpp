// The shared token-field delegate: which token fields the wiring gives it, and what a token
// field the user types in asks the program, with the program's answers taken by the field.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_TokenFieldDelegate.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/elements/ViewWiring.h"

#include "platform/foundation/Array.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/controls/TokenField.h"

using platform::TokenField;
using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 41;

Ref<TokenField> tokenField(std::int64_t tag) {
    return ElementCreate(kWindow, tag, ElementKind::TokenField, platform::Rect{10, 10, 200, 22})
        ->as<TokenField>();
}

// The token questions and editing codes heard, leaving out drawing, keys and the like.
std::string tokenCodes() {
    std::string codes;
    for (const auto event : heardEvents())
        if (event >= 1200 && event <= 1809)
            codes += std::to_string(event) + " ";
    return codes;
}

std::string tokens(const TokenField& field) {
    std::string text;
    for (std::size_t i = 0; i < field.tokenCount(); ++i)
        text += "[" + field.displayStringOfToken(i)->utf8() + ":" +
                std::to_string(static_cast<int>(field.styleOfToken(i))) + "]";
    return text;
}

// The user types "a,b," in a wired token field; the program answers one kind of question. A
// second token field, with a delegate of the program's, keeps it through the wiring.
TEST_F(ShellTest, ATokenFieldAsksTheProgramAboutEachTokenTyped) {
    struct Case {
        const char* name;
        void (*answer)(const Heard& call);
        const char* tokens;
        const char* codes;
    };
    // Each key changes the text (1201); a letter asks for completions (1802), a comma makes a
    // token: its object (1804), whether to add it (1805), its text (1800) and style (1801).
    constexpr const char* kTwoTokens =
        "1203 1200 1201 1802 1201 1804 1805 1800 1801 1201 1802 1201 1804 1805 1800 1801 ";
    const Case cases[] = {
        {"no answers: the typed text shows", [](const Heard&) {}, "[a:0][b:0]", kTwoTokens},
        {"the program's object, display string and style",
         [](const Heard& call) {
             if (call.event == 1804)
                 DialogEventSetObject(platform::Number::numberWithInteger(7));
             if (call.event == 1800)
                 DialogEventSetStringObj(
                     platform::String::fromUtf8("<" + call.object->description()->utf8() + ">"));
             if (call.event == 1801)
                 DialogEventSetLongVal(3);
         },
         "[<7>:3][<7>:3]", kTwoTokens},
        {"the second token refused, by its index",
         [](const Heard& call) {
             if (call.event == 1805 && DialogEventLongVal() == 1)
                 DialogEventSetArrayObj(platform::Array::array());
         },
         "[a:0]", "1203 1200 1201 1802 1201 1804 1805 1800 1801 1201 1802 1201 1804 1805 "},
    };
    for (const Case& c : cases) {
        const auto window = openWindow(kWindow);
        const auto field = tokenField(5);
        const auto kept = tokenField(6);
        const auto own = std::make_shared<platform::TokenFieldDelegate>();
        kept->setDelegate(own);
        WireViews(kWindow, window->contentView());
        EXPECT_EQ(kept->delegate(), own);
        EXPECT_EQ(field->delegate(), CUI_TokenFieldDelegate::shared());
        window->makeFirstResponder(field);
        DialogCallbackSet(dialogCallback);
        heard().clear();
        const auto answer = c.answer;
        whileHeard() = [answer] { answer(heard().back()); };
        for (const char32_t key : std::u32string(U"a,b,"))
            UserActions::typeCharacter(window, key);
        whileHeard() = nullptr;
        EXPECT_EQ(tokens(*field), c.tokens) << c.name;
        EXPECT_EQ(tokenCodes(), c.codes) << c.name;
        EXPECT_EQ(heard().back().tag, 5) << c.name;
        EXPECT_EQ(heard().back().wndTag, kWindow) << c.name;
        field->removeFromSuperview();
        kept->removeFromSuperview();
    }
}

} // namespace
