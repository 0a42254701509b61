// The shared text-view and text-storage delegates: which text views the wiring gives them, what
// a text view the user types, pastes and completes in reports, and the program's answers taken
// through the record.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_TextStorageDelegate.h"
#include "runtime/elements/CUI_TextViewDelegate.h"
#include "runtime/elements/TextViewSC.h"
#include "runtime/elements/ViewWiring.h"
#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"

#include "platform/app/Application.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/views/TextStorage.h"

using platform::Range;
using platform::TextView;
using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 41;

std::string shown(const Ref<platform::Object>& object) {
    const auto string = object ? object->as<platform::String>() : nullptr;
    return string ? string->utf8() : "none";
}

Ref<TextView> placed(const Ref<platform::Window>& window, Ref<TextView> view, const char* preset) {
    view->setIdentifier(platform::String::fromUtf8("6"));
    view->setString(platform::String::fromUtf8(preset));
    view->setSelectedRange({static_cast<std::int64_t>(view->textStorage()->length()), 0});
    window->contentView()->addSubview(view);
    return view;
}

void play(const Ref<platform::Window>& window, const std::function<void(ModalScript&)>& steps) {
    // The first key of a test's first run reaches no view here (it does in the platform's own
    // tests); a key that changes nothing goes first.
    ModalScript script;
    steps(script.run().press(Key::Right));
    script.perform([] { platform::Application::shared()->stopModalWithCode(1); });
    platform::Application::shared()->runModalForWindow(window);
}

TEST_F(ShellTest, WiringGivesEditableTextViewsTheSharedDelegateAndStoragesTheirs) {
    const auto window = openWindow(kWindow);
    const auto own = std::make_shared<platform::TextViewDelegate>();
    const auto ownStorage = std::make_shared<platform::TextStorageDelegate>();
    const auto edited = placed(window, std::make_shared<TextView>(), "");
    const auto readOnly = placed(window, std::make_shared<TextView>(), "");
    readOnly->setEditable(false);
    edited->setDelegate(own);
    readOnly->setDelegate(own);
    readOnly->textStorage()->setDelegate(ownStorage);
    WireViews(kWindow, window->contentView());
    EXPECT_EQ(edited->delegate(), CUI_TextViewDelegate::shared());
    EXPECT_EQ(readOnly->delegate(), own);
    EXPECT_EQ(edited->textStorage()->delegate(), CUI_TextStorageDelegate::shared());
    EXPECT_EQ(readOnly->textStorage()->delegate(), ownStorage);
}

// Each case's callback answers one code; the log holds the text-view codes heard with what the
// record carried, and the text is what the answers left.
TEST_F(ShellTest, ATextViewReportsEachQuestionAndTakesTheRecordsAnswer) {
    struct Case {
        const char* name;
        const char* preset;
        std::int64_t answered;
        void (*answer)();
        void (*steps)(ModalScript&);
        const char* text;
        const char* log;
    };
    const Case cases[] = {
        {"refused", "", 2308, [] { DialogEventSetBoolVal(false); },
         [](ModalScript& s) { s.paste("x"); }, "", "2308 0,0 x|"},
        {"unanswered", "", 0, nullptr, [](ModalScript& s) { s.type("a").press(Key::Return); },
         "a\n", "2308 0,0 a|2100|2303|2305|2101|2321 4 insertNewline:|2308 1,0 \n|2303|2305|2101|"},
        {"rewritten", "", 2308,
         [] { DialogEventSetStringObj(DialogEventStringObj()->uppercaseString()); },
         [](ModalScript& s) { s.paste("ab"); }, "AB", "2308 0,0 ab|2100|2303|2305|2101|"},
        {"command handled", "z", 2321, [] { DialogEventSetBoolVal(true); },
         [](ModalScript& s) { s.press(Key::Backspace); }, "z", "2321 2 deleteBackward:|"},
        {"selection pinned", "ab", 2303,
         [] {
             const Range to = CUI_TextViewDelegate::shared()->toRange();
             CUI_TextViewDelegate::shared()->setToRange({to.maxRange(), 0});
         },
         [](ModalScript& s) { s.pressCharacter(U'a', true); }, "ab", "2303|2305|"},
        {"completed", "apple apricot ap", 2319, [] { DialogEventSetLongVal(1); },
         [](ModalScript& s) { s.press(Key::Escape); }, "apple apricot apricot",
         "2321 0 cancelOperation:|2319 14,2 ap apple,apricot|2308 14,2 apricot|2100|2303|2305|"
         "2101|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto window = openWindow(kWindow);
        const auto view = placed(window, std::make_shared<TextViewSC>(), c.preset);
        WireViews(kWindow, window->contentView());
        window->makeFirstResponder(view);
        DialogCallbackSet(dialogCallback);
        std::string log;
        whileHeard() = [&] {
            const Heard& call = heard().back();
            if (call.event < 2100 || call.event > 2321)
                return;
            log += std::to_string(call.event);
            const Range range = DialogEventRangeVal();
            if (call.event == 2308 || call.event == 2319)
                log += " " + std::to_string(range.location) + "," + std::to_string(range.length) +
                       " " + shown(call.object);
            if (call.event == 2319)
                for (std::size_t i = 0; i < DialogEventArrayObj()->count(); ++i)
                    log += (i ? "," : " ") + shown(DialogEventArrayObj()->objectAtIndex(i));
            if (call.event == 2321)
                log += " " + std::to_string(DialogEventLongVal()) + " " + shown(call.object);
            log += "|";
            EXPECT_EQ(call.tag, 6);
            EXPECT_EQ(call.wndTag, kWindow);
            if (call.event == c.answered)
                c.answer();
        };
        play(window, [&](ModalScript& s) {
            s.perform([&] { log.clear(); });
            c.steps(s);
        });
        whileHeard() = nullptr;
        EXPECT_EQ(view->string()->utf8(), c.text);
        EXPECT_EQ(log, c.log);
        window->close();
    }
}

std::string storageLog;

void heardStorage(const Ref<platform::Object>&, std::uint64_t mask, std::int64_t location,
                  std::int64_t length, std::int64_t delta, void* userData) {
    storageLog += std::to_string(mask) + " " + std::to_string(location) + "," +
                  std::to_string(length) + " " + std::to_string(delta) + " " +
                  static_cast<const char*>(userData) + "\n";
}

TEST_F(ShellTest, StorageEditsReachTheStoragesOwnCallbacksWithTheirUserData) {
    const auto window = openWindow(kWindow);
    const auto view = placed(window, std::make_shared<TextView>(), "");
    WireViews(kWindow, window->contentView());
    auto& storage = *view->textStorage();
    static char will[] = "will", did[] = "did";
    Additions::setCuiTextStorageWillProcessEditingCallback(storage, heardStorage);
    Additions::setCuiTextStorageWillProcessEditingUserData(storage, will);
    Additions::setCuiTextStorageDidProcessEditingCallback(storage, heardStorage);
    Additions::setCuiTextStorageDidProcessEditingUserData(storage, did);
    window->makeFirstResponder(view);
    storageLog.clear();
    play(window, [](ModalScript& s) { s.type("a").press(Key::Backspace); });
    EXPECT_EQ(storageLog, "2 0,1 1 will\n2 0,1 1 did\n2 0,0 -1 will\n2 0,0 -1 did\n");
}

} // namespace
