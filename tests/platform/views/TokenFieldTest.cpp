// Token fields driven by real keys and clicks inside modal runs: the tokens typed text makes,
// the keys that select and delete them, and what the delegate answers about them.

#include "platform/views/controls/TokenField.h"
#include "ViewsTesting.h"
#include "platform/app/Application.h"
#include "platform/app/Pasteboard.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/UserActions.h"
#include "platform/views/controls/TokenFieldDelegate.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <gtest/gtest.h>

#include <string>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::UserActions;
using platform::views_testing::Paste;
using platform::views_testing::Strokes;
using platform::views_testing::typeStrokes;

namespace {

// Refuses the token "no", stands for the token "one" by the number 1 and shows numbers as
// "#<n>", offers completions for "al", has a menu for "y", copies a token as its upper-cased
// text, pastes the token "pasted", and names the questions that add tokens.
class Answers : public TokenFieldDelegate {
public:
    Ref<String> tokenFieldDisplayStringForRepresentedObject(const Ref<TokenField>&,
                                                            const Ref<Object>& object) override {
        asked += "display ";
        return object->as<Number>() ? String::fromUtf8("#" + object->description()->utf8())
                                    : nullptr;
    }
    Ref<Object> tokenFieldRepresentedObjectForEditingString(const Ref<TokenField>&,
                                                            const Ref<String>& text) override {
        return text->utf8() == "one" ? Number::numberWithInteger(1) : nullptr;
    }
    Ref<Array> tokenFieldShouldAddObjectsAtIndex(const Ref<TokenField>&, const Ref<Array>& tokens,
                                                 std::int64_t index) override {
        asked += "add@" + std::to_string(index) + " ";
        auto kept = Array::array();
        for (std::size_t i = 0; i < tokens->count(); ++i)
            if (tokens->objectAtIndex(i)->description()->utf8() != "no")
                kept->addObject(tokens->objectAtIndex(i));
        return kept;
    }
    Ref<Array> tokenFieldCompletionsForSubstringIndexOfTokenIndexOfSelectedItem(
        const Ref<TokenField>&, const Ref<String>& typed, std::int64_t, std::int64_t&) override {
        return typed->utf8() == "al"
                   ? Array::arrayWithObjects({String::fromUtf8("alpha"), String::fromUtf8("alps")})
                   : nullptr;
    }
    Ref<String> tokenFieldEditingStringForRepresentedObject(const Ref<TokenField>&,
                                                            const Ref<Object>& object) override {
        return String::fromUtf8("edit " + object->description()->utf8());
    }
    bool tokenFieldHasMenuForRepresentedObject(const Ref<TokenField>&,
                                               const Ref<Object>& object) override {
        return object->description()->utf8() == "y";
    }
    Ref<Menu> tokenFieldMenuForRepresentedObject(const Ref<TokenField>&,
                                                 const Ref<Object>& object) override {
        auto menu = std::make_shared<Menu>(String::fromUtf8("Token"));
        menu->addItem(
            std::make_shared<MenuItem>(String::fromUtf8("Forget " + object->description()->utf8()),
                                       Selector(), String::create()));
        return menu;
    }
    Ref<Array> tokenFieldReadFromPasteboard(const Ref<TokenField>&,
                                            const Ref<Pasteboard>&) override {
        return Array::arrayWithObjects({String::fromUtf8("pasted")});
    }
    bool tokenFieldWriteRepresentedObjectsToPasteboard(const Ref<TokenField>&,
                                                       const Ref<Array>& objects,
                                                       const Ref<Pasteboard>& pasteboard) override {
        pasteboard->setPropertyListForType(
            objects->objectAtIndex(0)->description()->uppercaseString(),
            *String::fromUtf8(StringPboardType));
        return true;
    }
    std::string asked;
};

struct Form {
    Ref<Window> window = std::make_shared<Window>(Rect(200, 300, 300, 36), WindowStyleMask::Titled);
    Ref<TokenField> field = std::make_shared<TokenField>(Rect(5, 8, 290, 22));
    std::shared_ptr<Answers> answers = std::make_shared<Answers>();

    explicit Form(bool delegated) {
        window->contentView()->addSubview(field);
        if (delegated)
            field->setDelegate(answers);
        window->makeFirstResponder(field);
    }
    ~Form() { window->close(); }

    // The tokens shown, the text being typed and the selected token.
    std::string shown() const {
        std::string text;
        for (std::size_t i = 0; i < field->tokenCount(); ++i)
            text += "[" + field->displayStringOfToken(i)->utf8() + "]";
        return text + " '" + field->TextField::stringValue()->utf8() + "' " +
               std::to_string(field->selectedTokenIndex());
    }
};

enum class Mouse { Click, DoubleClick, RightClick };

// A mouse action on a token's chip (chips are a letter wide here); the first item of a menu it
// shows is noted with the delegate's questions, and the menu closed.
void onChip(TokenField& field, std::size_t index, Mouse action) {
    const Point at(10 + 25.0 * static_cast<double>(index), 11);
    action == Mouse::Click         ? UserActions::clickInView(field.as<TokenField>(), at)
    : action == Mouse::DoubleClick ? UserActions::doubleClickInView(field.as<TokenField>(), at)
                                   : UserActions::rightClickInView(field.as<TokenField>(), at);
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
        static_cast<Answers&>(*field.tokenDelegate()).asked +=
            menu->actions().value(0)->text().toStdString();
        menu->close();
    }
}

} // namespace

// What the user does, the tokens shown afterwards (with the text being typed and the selected
// token), and what the delegate was asked.
TEST(TokenFieldEditing, KeysAndClicksMakeSelectAndDeleteTokensAsTheDelegateAnswers) {
    struct Case {
        const char* name;
        bool delegated;
        Strokes strokes;
        const char *shown, *asked;
        // What the user does with the mouse, or the program does, after the strokes.
        void (*then)(TokenField&) = nullptr;
    };
    const Key left = Key::Left, back = Key::Backspace;
    const Case cases[] = {
        {"commas split typed text, Return finishes it", false,
         Strokes{"ann, bob,,  ,carl", Key::Return}, "[ann][bob][carl] '' -1", ""},
        {"Backspace selects, then deletes", false, Strokes{"a,b,", back, back}, "[a] '' -1", ""},
        {"Left walks back and stops at the first, Delete removes", false,
         Strokes{"a,b,c,", left, left, left, left, Key::Delete}, "[b][c] '' -1", ""},
        {"Right past the last returns to the text", false, Strokes{"a,b,", left, Key::Right, "z"},
         "[a][b] 'z' -1", ""},
        {"a paste is split as typing is", false, Strokes{Paste{"x, y"}}, "[x] 'y' -1", ""},
        {"a refused token is not added", true, Strokes{"ok,no,", Key::Return}, "[ok] '' -1",
         "add@0 display add@1 "},
        {"the delegate's object and display string", true, Strokes{"one,"}, "[#1] '' -1",
         "add@0 display "},
        {"a chosen completion becomes a token", true,
         Strokes{"al", Key::Down, Key::Down, Key::Return}, "[alps] '' -1", "add@0 display "},
        {"clicks select; a right click shows a token's menu, when it has one", true,
         Strokes{"x,y,"}, "[x][y] '' 1", "add@0 display add@1 display Forget y",
         [](TokenField& f) {
             onChip(f, 0, Mouse::RightClick);
             onChip(f, 1, Mouse::RightClick);
             onChip(f, 1, Mouse::Click);
         }},
        {"a double click edits with the editing string", true, Strokes{"x,y,"}, "[y] 'edit x' -1",
         "add@0 display add@1 display ", [](TokenField& f) { onChip(f, 0, Mouse::DoubleClick); }},
        {"the program's tokens show as the delegate says and are never refused", true, Strokes{},
         "[#1][no] '' -1", "display display ",
         [](TokenField& f) { f.setStringValue(String::fromUtf8("one, no")); }},
        // Last, so that the clipboard keeps what the copy wrote.
        {"copy and paste go through the delegate", true, Strokes{"y,", back, U'c', U'v'},
         "[y][pasted] '' -1", "add@0 display add@1 display "},
    };
    for (const Case& c : cases) {
        Form form(c.delegated);
        ModalScript script;
        typeStrokes(script.run(), c.strokes);
        if (c.then)
            script.perform([&] { c.then(*form.field); });
        script.perform([] { Application::shared()->stopModalWithCode(0); });
        Application::shared()->runModalForWindow(form.window);
        EXPECT_EQ(form.shown(), c.shown) << c.name;
        EXPECT_EQ(form.answers->asked, c.asked) << c.name;
    }
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "Y");
}
