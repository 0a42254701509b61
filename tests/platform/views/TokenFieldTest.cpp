// Token fields driven by real keys and clicks inside modal runs: the tokens typed text makes,
// the keys that select and delete them, and what the delegate answers about them.

#include "platform/views/controls/TokenField.h"
#include "platform/app/Application.h"
#include "platform/app/Pasteboard.h"
#include "platform/detail/QtStrings.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/views/controls/TokenFieldDelegate.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include <string>

using namespace platform;
using platform::detail::toQString;
using platform::testing::clickWidgetAt;
using platform::testing::Key;
using platform::testing::ModalScript;

namespace {

class KeyPanel : public Panel {
public:
    KeyPanel() : Panel(Rect(200, 300, 300, 36), WindowStyleMask::Borderless) {}
    bool canBecomeKeyWindow() const override { return true; }
};

// Refuses the token "no", stands for the token "one" by the number 1 and shows numbers as
// "#<n>", offers completions for "al", and names each question it is asked.
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
        if (typed->utf8() != "al")
            return nullptr;
        return Array::arrayWithObjects({String::fromUtf8("alpha"), String::fromUtf8("alps")});
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
        return pasteboards ? Array::arrayWithObjects({String::fromUtf8("pasted")}) : nullptr;
    }
    bool tokenFieldWriteRepresentedObjectsToPasteboard(const Ref<TokenField>&,
                                                       const Ref<Array>& objects,
                                                       const Ref<Pasteboard>& pasteboard) override {
        if (!pasteboards)
            return false;
        pasteboard->setPropertyListForType(
            String::fromUtf8(objects->objectAtIndex(0)->description()->uppercaseString()->utf8() +
                             "!"),
            *String::fromUtf8(StringPboardType));
        return true;
    }
    std::string asked;
    bool pasteboards = false;
};

struct Form {
    Ref<KeyPanel> window = std::make_shared<KeyPanel>();
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
        const auto value = field->objectValue()->as<Array>();
        const std::size_t count = value->count();
        const bool typing = count > field->tokenCount();
        return text + " '" +
               (typing ? value->objectAtIndex(count - 1)->description()->utf8() : "") + "' " +
               std::to_string(field->selectedTokenIndex());
    }
};

void stop() {
    Application::shared()->stopModalWithCode(0);
}

} // namespace

TEST(TokenFieldEditing, KeysMakeSelectAndDeleteTokensAsTheDelegateAnswers) {
    struct Case {
        const char* name;
        bool delegated;
        void (*steps)(ModalScript&);
        const char* shown;
        const char* asked;
    };
    const Case cases[] = {
        {"commas split typed text", false, [](ModalScript& s) { s.type("ann, bob,carl"); },
         "[ann][bob] 'carl' -1", ""},
        {"Return finishes the text", false,
         [](ModalScript& s) { s.type("a,,  ,b").press(Key::Return); }, "[a][b] '' -1", ""},
        {"Backspace selects, then deletes", false,
         [](ModalScript& s) { s.type("a,b,").press(Key::Backspace).press(Key::Backspace); },
         "[a] '' -1", ""},
        {"Backspace inside the text deletes a character", false,
         [](ModalScript& s) { s.type("a,bc").press(Key::Backspace); }, "[a] 'b' -1", ""},
        {"Left walks back and stops at the first", false,
         [](ModalScript& s) {
             s.type("a,b,c,").press(Key::Left).press(Key::Left).press(Key::Left).press(Key::Left);
         },
         "[a][b][c] '' 0", ""},
        {"Right past the last returns to the text", false,
         [](ModalScript& s) { s.type("a,b,").press(Key::Left).press(Key::Right).type("z"); },
         "[a][b] 'z' -1", ""},
        {"Delete removes the selected token", false,
         [](ModalScript& s) {
             s.type("a,b,").press(Key::Left).press(Key::Left).press(Key::Delete);
         },
         "[b] '' -1", ""},
        {"a refused token is not added", true,
         [](ModalScript& s) { s.type("ok,no,").press(Key::Return); }, "[ok] '' -1",
         "add@0 display add@1 "},
        {"the delegate's object and display string", true, [](ModalScript& s) { s.type("one,"); },
         "[#1] '' -1", "add@0 display "},
        {"a chosen completion becomes a token", true,
         [](ModalScript& s) { s.type("al").press(Key::Down).press(Key::Down).press(Key::Return); },
         "[alps] '' -1", "add@0 display "},
        {"Escape closes the completions, Return keeps the text", true,
         [](ModalScript& s) { s.type("al").press(Key::Escape).press(Key::Return); }, "[al] '' -1",
         "add@0 display "},
        {"a paste is split as typing is", false, [](ModalScript& s) { s.paste("x, y"); },
         "[x] 'y' -1", ""},
    };
    for (const Case& c : cases) {
        Form form(c.delegated);
        ModalScript script;
        c.steps(script.run());
        script.perform(stop);
        Application::shared()->runModalForWindow(form.window);
        EXPECT_EQ(form.shown(), c.shown) << c.name;
        EXPECT_EQ(form.answers->asked, c.asked) << c.name;
    }
}

TEST(TokenFieldEditing, CompletionsShowWhileTypingAndTheProgramSetsTokensQuietly) {
    Form form(true);
    bool shownWhileTyping = false;
    ModalScript script;
    script.run().type("al").perform([&] {
        shownWhileTyping = form.field->shownCompletions()->count() == 2;
        stop();
    });
    Application::shared()->runModalForWindow(form.window);
    EXPECT_TRUE(shownWhileTyping);
    form.answers->asked.clear();
    form.field->setStringValue(String::fromUtf8("one, no"));
    // The program's tokens are shown as the delegate says, and never refused.
    EXPECT_EQ(form.shown(), "[#1][no] '' -1");
    EXPECT_EQ(form.answers->asked, "display display ");
    EXPECT_EQ(form.field->stringValue()->utf8(), "#1, no");
}

namespace {

// The chips' widget, and a point in the middle of a chip of the field's tokens.
QWidget& chips(const TokenField& field) {
    return *field.peer().widget->childAt(QPoint(8, 11));
}
QPoint chipMiddle(const TokenField& field, std::size_t index) {
    const QFontMetrics metrics(chips(field).font());
    int x = 0;
    for (std::size_t i = 0; i < index; ++i)
        x += metrics.horizontalAdvance(toQString(field.displayStringOfToken(i))) + 12 + 3;
    return {x + 8, chips(field).height() / 2};
}

} // namespace

// Mouse actions on the chips of the tokens "x" and "y": the shown state afterwards, and the
// title of the menu item a right click offers (only "y" has a menu).
TEST(TokenFieldEditing, ClicksOnChipsSelectEditAndOfferTheDelegatesMenu) {
    enum class Act { Click, DoubleClick, RightClick };
    struct Case {
        const char* name;
        Act act;
        std::size_t chip;
        const char* shown;
        const char* menu;
    };
    const Case cases[] = {
        {"a click selects", Act::Click, 1, "[x][y] '' 1", ""},
        {"a double click edits with the editing string", Act::DoubleClick, 0, "[y] 'edit x' -1",
         ""},
        {"a right click shows the token's menu", Act::RightClick, 1, "[x][y] '' -1", "Forget y"},
        {"a token without a menu shows none", Act::RightClick, 0, "[x][y] '' -1", ""},
    };
    for (const Case& c : cases) {
        Form form(true);
        form.field->setObjectValue(
            Array::arrayWithObjects({String::fromUtf8("x"), String::fromUtf8("y")}));
        std::string menu;
        ModalScript script;
        script.run()
            .perform([&] {
                const QPoint at = chipMiddle(*form.field, c.chip);
                if (c.act == Act::RightClick) {
                    QContextMenuEvent event(QContextMenuEvent::Mouse, at,
                                            chips(*form.field).mapToGlobal(at));
                    QApplication::sendEvent(&chips(*form.field), &event);
                } else {
                    clickWidgetAt(chips(*form.field), at);
                    if (c.act == Act::DoubleClick) {
                        QMouseEvent twice(QEvent::MouseButtonDblClick, at,
                                          chips(*form.field).mapToGlobal(at), Qt::LeftButton,
                                          Qt::LeftButton, Qt::NoModifier);
                        QApplication::sendEvent(&chips(*form.field), &twice);
                    }
                }
                if (auto* shown = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                    menu = shown->actions().value(0)->text().toStdString();
                    shown->close();
                }
            })
            .perform(stop);
        Application::shared()->runModalForWindow(form.window);
        EXPECT_EQ(form.shown(), c.shown) << c.name;
        EXPECT_EQ(menu, c.menu) << c.name;
    }
}

// Copying the selected token and pasting: the delegate writes "y" as "Y!" and reads any paste as
// the single token "pasted".
TEST(TokenFieldEditing, CopyAndPasteGoThroughTheDelegate) {
    Form form(true);
    form.answers->pasteboards = true;
    form.field->setObjectValue(Array::arrayWithObjects({String::fromUtf8("y")}));
    ModalScript script;
    script.run()
        .press(Key::Backspace)
        .pressCharacter(U'c', true)
        .pressCharacter(U'v', true)
        .perform(stop);
    Application::shared()->runModalForWindow(form.window);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "Y!");
    EXPECT_EQ(form.shown(), "[y][pasted] '' -1");
}
