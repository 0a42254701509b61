// What a screen reader says when the program asks: the question names what has the keyboard.

#include "InputTesting.h"

#include "runtime/input/InputOperations.h"
#include "runtime/input/QVInputWindow.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/Tags.h"

#include "platform/testing/ModalScript.h"
#include "platform/testing/ScreenReader.h"

using namespace inputtest;
using platform::testing::ScreenReader;

using ScreenReaderPrompt = InputTest;

TEST_F(ScreenReaderPrompt, TheQuestionNamesTheFocusedFieldAndTheKeyWindow) {
    std::u16string fieldName, windowName;
    bool fieldFocused = false;
    ModalScript script;
    script.run()
        .perform([&] {
            const auto field =
                std::dynamic_pointer_cast<QVInputWindow>(AppDelegateGet()->inputWnd())->field();
            fieldName = ScreenReader::name(*field);
            fieldFocused = ScreenReader::hasFocus(*field);
        })
        .press(Key::Return);
    script.run()
        .perform([&] { windowName = ScreenReader::name(*AppDelegateGet()->inkeyWnd()); })
        .type("k");
    InputWindowRun(kParamNotGiven, kParamNotGiven, String::fromUtf8("What card do you want?"),
                   String::create(), kParamNotGiven, kParamNotGiven, kParamNotGiven);
    InkeyWindowRun(kParamNotGiven, kParamNotGiven, String::fromUtf8("Another game?"));
    EXPECT_EQ(fieldName, u"What card do you want?");
    EXPECT_TRUE(fieldFocused);
    EXPECT_EQ(windowName, u"Another game?");
}
