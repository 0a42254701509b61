// Text fields driven by real key and mouse events inside modal runs: what the user types, the
// editing commands the delegate sees, and formatters judging every edit.

#include "platform/views/TextField.h"
#include "ViewsTesting.h"
#include "platform/app/Application.h"
#include "platform/app/Event.h"
#include "platform/detail/ViewPeer.h"
#include "platform/drawing/AttributedString.h"
#include "platform/drawing/Font.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/views/Formatter.h"
#include "platform/views/TextFieldDelegate.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::views_testing::Strokes;
using platform::views_testing::typeStrokes;

using platform::testing::clickWidget;
using platform::testing::processEventsUntil;

namespace {

// A borderless window that takes the keyboard, as input panels are.
class KeyPanel : public Panel {
public:
    KeyPanel() : Panel(Rect(200, 300, 240, 36), WindowStyleMask::Borderless) {}
    bool canBecomeKeyWindow() const override { return true; }
    void mouseDown(const Ref<Event>& event) override {
        ++mouseDowns;
        Panel::mouseDown(event);
    }
    int mouseDowns = 0;
};

// Records what the field tells its delegate. Return (the end of editing) stops the modal run
// with 1 and Escape aborts it, as an input window does.
class Recorder : public TextFieldDelegate {
public:
    void controlTextDidBeginEditing(const Ref<Notification>&) override { ++begins; }
    void controlTextDidChange(const Ref<Notification>& notification) override {
        changes.push_back(notification->object()->as<TextField>()->stringValue()->utf8());
    }
    void controlTextDidEndEditing(const Ref<Notification>& notification) override {
        ended.push_back(notification->object()->as<TextField>()->stringValue()->utf8());
        Application::shared()->stopModalWithCode(1);
    }
    bool controlTextViewDoCommandBySelector(const Ref<Control>&, const Ref<Object>&,
                                            std::string_view selector) override {
        commands.emplace_back(selector);
        if (selector == "cancelOperation:" && handleCancel) {
            Application::shared()->abortModal();
            return true;
        }
        return selector == handled;
    }

    int begins = 0;
    std::vector<std::string> changes;
    std::vector<std::string> ended;
    std::vector<std::string> commands;
    bool handleCancel = true;
    std::string handled;
};

// Lets through at most three characters, upper-cased, and drops everything but letters: an
// edit that needs changing is refused and the changed text shown instead.
class ShortUpperFormatter : public Formatter {
public:
    Ref<String> stringForObjectValue(const Ref<Object>& object) override {
        return object ? object->as<String>() : nullptr;
    }
    bool getObjectValueForStringErrorDescription(Ref<Object>* object, const Ref<String>& string,
                                                 Ref<String>*) override {
        *object = string;
        return true;
    }
    bool
    isPartialStringValidProposedSelectedRangeOriginalStringOriginalSelectedRangeErrorDescription(
        Ref<String>* partial, Range*, const Ref<String>& original, Range, Ref<String>*) override {
        originals.push_back(original->utf8());
        if ((*partial)->length() > 3)
            return false;
        std::u16string letters;
        for (const char16_t c : (*partial)->utf16())
            if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'))
                letters += c;
        const auto target = String::create(letters)->uppercaseString();
        if (target->isEqual(**partial))
            return true;
        *partial = target;
        return false;
    }
    std::vector<std::string> originals;
};

struct Form {
    Ref<KeyPanel> window = std::make_shared<KeyPanel>();
    Ref<TextField> label = TextField::labelWithString(String::fromUtf8("Name?"));
    Ref<TextField> field = std::make_shared<TextField>(Rect(60, 10, 170, 18));
    Ref<TextField> next = std::make_shared<TextField>(Rect(60, 0, 100, 10));
    std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();

    Form() {
        label->setFrame(Rect(8, 10, 50, 18));
        window->contentView()->addSubview(label);
        window->contentView()->addSubview(field);
        window->contentView()->addSubview(next);
        field->setDelegate(recorder);
        window->makeFirstResponder(field);
    }
    ~Form() { window->close(); }
    std::int64_t run() { return Application::shared()->runModalForWindow(window); }
};

std::string list(const std::vector<std::string>& items) {
    std::string line;
    for (const auto& item : items)
        line += "[" + item + "]";
    return line;
}

} // namespace

// The run's response, the field's text, and what the delegate heard: the commands, the text
// after each edit, the text editing ended with and how often editing began.
TEST(TextFieldEditing, KeysEditTheTextAndTheDelegateHearsEachCommandAndEdit) {
    struct Case {
        const char* preset;
        // The one command the delegate handles itself.
        const char* handled;
        Strokes strokes;
        const char* outcome;
    };
    const Key ret = Key::Return;
    const Case cases[] = {
        {"", "", Strokes{"Ann", ret}, "1 [Ann] [insertNewline:] [A][An][Ann] [Ann] 1"},
        {"", "", Strokes{ret}, "1 [] [insertNewline:]  [] 0"},
        // Escape is the cancel command: it ends no editing.
        {"", "", Strokes{"abc", Key::Escape}, "-1001 [abc] [cancelOperation:] [a][ab][abc]  1"},
        // A handled command is not performed: Delete removed the c after the cursor.
        {"", "deleteBackward:", Strokes{"abc", Key::Left, Key::Backspace, Key::Delete, ret},
         "1 [ab] [moveLeft:][deleteBackward:][deleteForward:][insertNewline:] [a][ab][abc][ab] "
         "[ab] 1"},
        {"", "insertNewline:", Strokes{"x", ret, Key::Escape},
         "-1001 [x] [insertNewline:][cancelOperation:] [x]  1"},
        {"", "", Strokes{"ab", Key::Backspace, "c", ret},
         "1 [ac] [deleteBackward:][insertNewline:] [a][ab][a][ac] [ac] 1"},
        // The program setting the text is no edit.
        {"preset", "", Strokes{ret}, "1 [preset] [insertNewline:]  [preset] 0"},
    };
    for (const Case& c : cases) {
        Form form;
        form.recorder->handled = c.handled;
        form.field->setStringValue(String::fromUtf8(c.preset));
        ModalScript script;
        typeStrokes(script.run(), c.strokes);
        const std::int64_t response = form.run();
        const Recorder& heard = *form.recorder;
        EXPECT_EQ(std::to_string(response) + " [" + form.field->stringValue()->utf8() + "] " +
                      list(heard.commands) + " " + list(heard.changes) + " " + list(heard.ended) +
                      " " + std::to_string(heard.begins),
                  c.outcome)
            << c.outcome;
    }
}

TEST(TextFieldEditing, TabEndsEditingAndMovesTheFocusToTheNextField) {
    Form form;
    ModalScript script;
    script.run().type("a").press(Key::Tab);

    EXPECT_EQ(form.run(), 1);
    EXPECT_EQ(form.recorder->commands, std::vector<std::string>{"insertTab:"});
    EXPECT_EQ(form.recorder->ended, std::vector<std::string>{"a"});
    EXPECT_EQ(form.window->firstResponder(), form.next);
}

TEST(TextFieldFormatter, ReplacesOrRefusesTypedEdits) {
    Form form;
    const auto formatter = std::make_shared<ShortUpperFormatter>();
    form.field->setFormatter(formatter);
    ModalScript script;
    // a becomes A, 1 is dropped, b becomes B, c becomes C, d would be a fourth letter.
    script.run().type("a1bcd").press(Key::Return);

    EXPECT_EQ(form.run(), 1);
    EXPECT_EQ(form.field->stringValue()->utf8(), "ABC");
    EXPECT_EQ(form.recorder->changes, (std::vector<std::string>{"A", "AB", "ABC"}));
    // Each edit was judged against the text before it.
    ASSERT_GE(formatter->originals.size(), 5u);
    EXPECT_EQ(formatter->originals[0], "");
    EXPECT_EQ(formatter->originals.back(), "ABC");
}

TEST(TextFieldFormatter, JudgesPastesAsAWhole) {
    struct Case {
        const char* before;
        const char* clipboard;
        const char* after;
    };
    const Case cases[] = {
        {"", "xyz", "XYZ"}, // replaced
        {"", "abcde", ""},  // refused as a whole, not cut to three
        {"A", "b-", "AB"},  // replaced
        {"AB", "cd", "AB"}, // refused
        {"", "a-b-", ""},   // refused: too long before the dashes are dropped
    };
    for (const Case& c : cases) {
        Form form;
        form.field->setFormatter(std::make_shared<ShortUpperFormatter>());
        form.field->setStringValue(String::fromUtf8(c.before));
        QGuiApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
        ModalScript script;
        script.run().press(Key::Right).pressCharacter(U'v', true).press(Key::Return);

        EXPECT_EQ(form.run(), 1);
        EXPECT_EQ(form.field->stringValue()->utf8(), c.after) << c.before << " + " << c.clipboard;
    }
}

TEST(TextFieldFormatter, TheValueGoesThroughTheFormatterBothWays) {
    const auto field = std::make_shared<TextField>();
    field->setFormatter(std::make_shared<ShortUpperFormatter>());
    field->setObjectValue(String::fromUtf8("shown as is"));
    EXPECT_EQ(field->stringValue()->utf8(), "shown as is");
    EXPECT_EQ(field->objectValue()->as<String>()->utf8(), "shown as is");
    // A number is nothing this formatter can show.
    field->setObjectValue(std::make_shared<Object>());
    EXPECT_EQ(field->stringValue()->utf8(), "");
}

TEST(TextFieldLabel, TakesNoFocusAndLetsClicksThroughToTheWindow) {
    Form form;
    EXPECT_FALSE(form.label->acceptsFirstResponder());
    EXPECT_FALSE(form.window->makeFirstResponder(form.label));
    EXPECT_EQ(form.window->firstResponder(), form.field);

    ModalScript script;
    script.run().type("q").press(Key::Return);
    QWidget* labelWidget = form.label->peer().widget;
    form.window->orderFront();
    clickWidget(*labelWidget);

    EXPECT_EQ(form.window->mouseDowns, 1);
    EXPECT_FALSE(labelWidget->hasFocus());
    EXPECT_EQ(form.run(), 1);
    // The keys still went to the field, not the label.
    EXPECT_EQ(form.field->stringValue()->utf8(), "q");
    EXPECT_EQ(form.label->stringValue()->utf8(), "Name?");
}

TEST(TextFieldLabel, AnEditableFieldTakesTheFocusWhenClicked) {
    Form form;
    form.window->orderFront();
    clickWidget(*form.next->peer().widget);
    EXPECT_EQ(form.window->firstResponder(), form.next);
    EXPECT_EQ(form.window->mouseDowns, 0);
}

TEST(TextFieldText, TheAttributedTextIsMeasuredInTheFieldsFont) {
    const auto field = std::make_shared<TextField>();
    EXPECT_EQ(field->attributedStringValue()->size().width, 0);
    field->setStringValue(String::fromUtf8("Wide text"));
    const double width = field->attributedStringValue()->size().width;
    EXPECT_GT(width, 0);
    field->setFont(Font::systemFontOfSize(26));
    EXPECT_GT(field->attributedStringValue()->size().width, width * 1.5);
}

// The toolkit would show the end of a text too long for the field, where it puts the cursor.
TEST(TextFieldText, ATextTooLongForTheFieldShowsItsBeginning) {
    const auto field = std::make_shared<TextField>(Rect(0, 0, 30, 17));
    field->setStringValue(String::fromUtf8("A text far too long for the field"));
    const auto* edit = qobject_cast<QLineEdit*>(field->peer().widget);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->cursorPosition(), 0);
}
