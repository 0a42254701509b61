// Text views driven by real key presses and pastes inside modal runs: what the delegate is asked
// before each change and what its answers do to the text, the selection it agrees to, undo, the
// storage's notices, and text far larger or stranger than a user types.

#include "platform/views/TextView.h"
#include "ViewsTesting.h"
#include "platform/app/Application.h"
#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/views/TextStorage.h"
#include "platform/views/TextStorageDelegate.h"
#include "platform/views/TextViewDelegate.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::views_testing::Paste;
using platform::views_testing::Strokes;
using platform::views_testing::typeStrokes;

namespace {

std::string text(const Ref<String>& string) {
    return string ? string->utf8() : "none";
}

// Logs each change it is asked about as "[location,length:replacement]" and each agreed
// selection as "(location,length)", answering through the rules a case gives.
class Asked : public TextViewDelegate {
public:
    bool textViewShouldChangeTextInRangeReplacementString(const Ref<TextView>&, Range range,
                                                          Ref<String>* replacement) override {
        changes += "[" + std::to_string(range.location) + "," + std::to_string(range.length) + ":" +
                   text(*replacement) + "]";
        return !change || change(replacement);
    }
    Range textViewWillChangeSelectionFromCharacterRangeToCharacterRange(const Ref<TextView>&, Range,
                                                                        Range proposed) override {
        const Range answer = select ? select(proposed) : proposed;
        selections +=
            "(" + std::to_string(answer.location) + "," + std::to_string(answer.length) + ")";
        return answer;
    }
    std::function<bool(Ref<String>*)> change;
    std::function<Range(Range)> select;
    std::string changes;
    std::string selections;
};

struct Editor {
    Ref<Window> window =
        std::make_shared<Window>(Rect(100, 100, 300, 200), WindowStyleMask::Titled);
    Ref<TextView> view = std::make_shared<TextView>(Rect(0, 0, 300, 200));
    std::shared_ptr<Asked> asked = std::make_shared<Asked>();

    explicit Editor(const char* preset = "") {
        window->contentView()->addSubview(view);
        view->setString(String::fromUtf8(preset));
        view->setSelectedRange({static_cast<std::int64_t>(view->textStorage()->length()), 0});
        view->setDelegate(asked);
        window->makeKeyAndOrderFront();
        window->makeFirstResponder(view);
    }
    ~Editor() { window->close(); }
    // Plays the steps in a modal run of the window, which the last step ends.
    void play(const std::function<void(ModalScript&)>& steps) {
        ModalScript script;
        steps(script.run());
        script.perform([] { Application::shared()->stopModalWithCode(1); });
        Application::shared()->runModalForWindow(window);
    }
};

bool refuseX(Ref<String>* replacement) {
    return (*replacement)->utf8().find('x') == std::string::npos;
}
bool upper(Ref<String>* replacement) {
    *replacement = (*replacement)->uppercaseString();
    return true;
}

TEST(TextViewEditing, EachUserChangeIsAskedFirstAndTheAnswerDecidesWhatIsInserted) {
    struct Case {
        const char* name;
        const char* preset;
        std::function<bool(Ref<String>*)> change;
        Strokes strokes;
        const char* after;
        const char* changes;
    };
    const Case cases[] = {
        {"typing", "", nullptr, Strokes{"ab"}, "ab", "[0,0:a][1,0:b]"},
        {"deleting", "", nullptr, Strokes{"abc", Key::Backspace, Key::Left, Key::Delete}, "a",
         "[0,0:a][1,0:b][2,0:c][2,1:][1,1:]"},
        {"typing over a selection", "abc", nullptr, Strokes{U'a', "x"}, "x", "[0,3:x]"},
        {"pasting", "<", nullptr, Strokes{Paste{"one\ntwo"}}, "<one\ntwo", "[1,0:one\ntwo]"},
        {"newline and tab", "", nullptr, Strokes{Key::Return, Key::Tab}, "\n\t",
         "[0,0:\n][1,0:\t]"},
        {"undo and redo", "", nullptr, Strokes{Paste{"xyz"}, U'z', U'y'}, "xyz",
         "[0,0:xyz][0,3:][0,0:xyz]"},
        {"refused", "", refuseX, Strokes{"axb", Paste{"x!"}}, "ab",
         "[0,0:a][1,0:x][1,0:b][2,0:x!]"},
        {"refused undo", "", [](Ref<String>* r) { return (*r)->length() > 0; },
         Strokes{"ab", Key::Backspace, U'z'}, "ab", "[0,0:a][1,0:b][1,1:][1,1:]"},
        {"rewritten", "", upper, Strokes{"ab", Paste{"cd"}}, "ABCD", "[0,0:a][1,0:b][2,0:cd]"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Editor editor(c.preset);
        editor.asked->change = c.change;
        editor.play([&](ModalScript& s) { typeStrokes(s, c.strokes); });
        EXPECT_EQ(text(editor.view->string()), c.after);
        EXPECT_EQ(editor.asked->changes, c.changes);
    }
}

TEST(TextViewEditing, TheSelectionIsWhatTheDelegateAgreesTo) {
    Editor editor("abc");
    editor.asked->select = [](Range proposed) { return Range{proposed.maxRange(), 0}; };
    // Select All is answered with the insertion point at the end, so typing appends.
    editor.play([](ModalScript& s) { s.pressCharacter(U'a', true).type("d"); });
    EXPECT_EQ(text(editor.view->string()), "abcd");
    EXPECT_EQ(editor.view->selectedRange(), (Range{4, 0}));
    EXPECT_EQ(editor.asked->selections, "(3,0)(4,0)");
}

// Logs each notice as "will|did mask location,length delta"; while it hears "will" it colours
// the edited text, which must join the edit rather than be a notice of its own.
class Notices : public TextStorageDelegate {
public:
    void textStorageWillProcessEditingRangeChangeInLength(const Ref<TextStorage>& storage,
                                                          std::uint64_t mask, Range range,
                                                          std::int64_t delta) override {
        log("will", mask, range, delta);
        storage->setAttributesRange(colour, range);
    }
    void textStorageDidProcessEditingRangeChangeInLength(const Ref<TextStorage>&,
                                                         std::uint64_t mask, Range range,
                                                         std::int64_t delta) override {
        log("did", mask, range, delta);
    }
    void log(const char* when, std::uint64_t mask, Range range, std::int64_t delta) {
        heard += std::string(when) + " " + std::to_string(mask) + " " +
                 std::to_string(range.location) + "," + std::to_string(range.length) + " " +
                 std::to_string(delta) + "\n";
    }
    Ref<Dictionary> colour = Dictionary::dictionary();
    std::string heard;
};

TEST(TextStorageNotices, EachEditIsToldOnceBeforeAndAfterWithWhatItChanged) {
    Editor editor;
    const auto notices = std::make_shared<Notices>();
    editor.view->textStorage()->setDelegate(notices);
    editor.play([](ModalScript& s) { s.type("ab").press(Key::Backspace); });
    EXPECT_EQ(notices->heard, "will 2 0,1 1\ndid 2 0,1 1\nwill 2 1,1 1\ndid 2 1,1 1\n"
                              "will 2 1,0 -1\ndid 2 1,0 -1\n");
    Range run{};
    EXPECT_EQ(editor.view->textStorage()->attributesAtIndexEffectiveRange(0, &run),
              notices->colour);
    EXPECT_EQ(run, (Range{0, 1}));
}

// Ten megabytes, lone surrogates and a paste of a million characters: every unit arrives.
TEST(TextViewRobustness, LargeAndInvalidTextIsKeptWhole) {
    std::u16string large;
    for (int line = 0; line < 100'000; ++line)
        large += std::u16string(99, static_cast<char16_t>(u'a' + line % 26)) + u'\n';
    Editor editor;
    editor.view->setString(String::create(large));
    EXPECT_EQ(editor.view->textStorage()->length(), large.size());
    EXPECT_EQ(editor.view->string()->utf16().size(), large.size());

    const std::u16string invalid = {u'a', 0xD800, u'b', 0xDC00, 0xDFFF, 0xD800};
    editor.view->setString(String::create(invalid));
    editor.play([](ModalScript& s) { s.type("c"); });
    EXPECT_EQ(editor.view->string()->utf16(), invalid + u'c');

    std::string million;
    for (int line = 0; line < 10'000; ++line)
        million += std::string(99, 'm') + '\n';
    editor.play([&](ModalScript& s) { s.paste(million); });
    EXPECT_EQ(editor.view->textStorage()->length(), invalid.size() + 1 + million.size());
}

} // namespace
