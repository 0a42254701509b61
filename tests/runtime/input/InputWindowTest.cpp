// The modal line input, typed with real key events: what it answers, how its window fits and
// places itself, and the input formats it applies.

#include "InputTesting.h"

#include "runtime/input/CUI_ControlFormatter.h"
#include "runtime/input/InputOperations.h"
#include "runtime/input/QVInputFormat.h"
#include "runtime/input/QVInputWindow.h"
#include "runtime/shell/CUI_AppDelegate.h"
#include "runtime/shell/Tags.h"

#include "platform/app/Application.h"
#include "platform/app/Screen.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

using namespace inputtest;

namespace {

// The game's call: an empty filter and the other format arguments omitted.
Ref<String> input(const char* prompt, std::int64_t x = NG, std::int64_t y = NG) {
    return InputWindowRun(x, y, prompt ? String::fromUtf8(prompt) : nullptr, String::create(), NG,
                          NG, NG);
}

Ref<QVInputWindow> lastWindow() {
    return std::dynamic_pointer_cast<QVInputWindow>(AppDelegateGet()->inputWnd());
}

} // namespace

using LineInput = InputTest;

TEST_F(LineInput, ReturnAnswersTheTypedTextAndEscapeAnswersNothing) {
    struct Case {
        const char* typed;
        Key end;
        std::optional<std::string> answer;
    };
    const Case cases[] = {
        {"Ann", Key::Return, "Ann"},
        {"", Key::Return, ""},
        {"Ann", Key::Escape, std::nullopt},
        {"", Key::Escape, std::nullopt},
    };
    for (const Case& c : cases) {
        ModalScript script;
        script.run().type(c.typed).press(c.end);
        EXPECT_EQ(answerText(input("Name? ")), c.answer) << c.typed;
    }
}

TEST_F(LineInput, TheWindowAndTheConfirmedTextStayWithTheDelegate) {
    ModalScript script;
    script.run().type("7").press(Key::Return);
    input("What card do you want? ");
    const auto window = lastWindow();
    ASSERT_TRUE(window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(AppDelegateGet()->inputResponseString()->utf8(), "7");
    // A cancelled input leaves the earlier text in the delegate but answers nothing.
    script.run().type("8").press(Key::Escape);
    EXPECT_EQ(input("Again? "), nullptr);
    EXPECT_NE(lastWindow(), window);
    EXPECT_EQ(AppDelegateGet()->inputResponseString()->utf8(), "7");
}

TEST_F(LineInput, TheWindowFitsTheLabelAndTheFieldToTheirTexts) {
    struct Case {
        const char* prompt;
        const char* typed;
        int backspaces;
    };
    const Case cases[] = {
        {nullptr, "", 0},
        {"", "A much longer name than fits", 0},
        {"What card do you want? ", "Q", 0},
        // Deleting narrows the window again, never below 110.
        {nullptr, "A much longer name than fits", 27},
        {"Name? ", "A much longer name than fits", 20},
    };
    for (const Case& c : cases) {
        ModalScript script;
        script.run().type(c.typed);
        for (int i = 0; i < c.backspaces; ++i)
            script.press(Key::Backspace);
        script.press(Key::Return);
        const auto answer = input(c.prompt);
        ASSERT_TRUE(answer);
        const auto window = lastWindow();

        const double promptWidth = c.prompt ? textWidth(c.prompt) : 0;
        const double fieldX = promptWidth > 0 ? 15 + promptWidth : 10;
        const double fieldWidth = textWidth(answer->utf8()) + 5;
        const std::string label = c.prompt ? c.prompt : "(none)";
        EXPECT_EQ(window->label()->frame(), Rect(8, 10, promptWidth > 0 ? promptWidth + 5 : 4, 16))
            << label;
        EXPECT_EQ(window->field()->frame(), Rect(fieldX, 10, fieldWidth, 16)) << label;
        EXPECT_EQ(window->frame().size,
                  (platform::Size{std::max(110.0, fieldX + fieldWidth + 10), 36}))
            << label << " + " << answer->utf8();
    }
    EXPECT_GT(textWidth("A much longer name than fits"), 85) << "the long text must widen";
}

// x and y are measured from the top left of the front window's content, else of the screen;
// omitted, the input stands 20 points in and is centred vertically, or is centred on the
// screen.
TEST_F(LineInput, ThePositionIsMeasuredFromTheFrontWindowsContentElseTheScreen) {
    const double top = platform::Screen::mainScreen()->frame().height();
    const Point centred = centredOrigin();
    struct Case {
        bool front;
        std::int64_t x;
        std::int64_t y;
        Point origin;
    };
    const Case cases[] = {
        {true, 300, 70, {400, 350}},       {true, NG, NG, {120, 120 + (300 - 36) / 2.0}},
        {false, 300, 70, {300, top - 70}}, {false, NG, 70, {centred.x, top - 70}},
        {false, 50, NG, {50, centred.y}},
    };
    for (const Case& c : cases) {
        const auto game = c.front ? frontWindow(Rect(100, 120, 500, 300)) : nullptr;
        ModalScript script;
        script.run().type("a much longer text than fits").press(Key::Return);
        input(nullptr, c.x, c.y);
        EXPECT_EQ(lastWindow()->frame().origin, c.origin) << c.x << ", " << c.y;
        if (game)
            game->close();
    }
}

TEST_F(LineInput, TheFormatFiltersWhatIsTyped) {
    struct Case {
        const char* characters;
        std::int64_t pass;
        std::int64_t maxLength;
        std::int64_t caseOption;
        const char* typed;
        const char* answer;
    };
    const Case cases[] = {
        // The arguments reach the formatter, whose own tests cover its rules: pass omitted lets
        // only the characters through, here in upper case; then a case-sensitive refusal of a,
        // b and c; at most three characters; a negative length sets no limit; omitted options
        // convert nothing and limit nothing.
        {"abc", NG, NG, 3, "adcb", "ACB"},
        {"abc", 0, NG, 1, "aAbBcCd", "ABCd"},
        {"0123456789", NG, 3, NG, "1234", "123"},
        {"0123456789", NG, -5, NG, "12345678901", "12345678901"},
    };
    for (const Case& c : cases) {
        ModalScript script;
        script.run().type(c.typed).press(Key::Return);
        const auto answer = InputWindowRun(NG, NG, nullptr, String::fromUtf8(c.characters), c.pass,
                                           c.maxLength, c.caseOption);
        EXPECT_EQ(answerText(answer), std::optional<std::string>(c.answer))
            << c.characters << " / " << c.typed;
    }
}

TEST_F(LineInput, AFormatLastsUntilItIsReplacedOrCleared) {
    const auto run = [](const Ref<String>& characters, const char* typed) {
        ModalScript script;
        script.run().type(typed).press(Key::Return);
        return answerText(InputWindowRun(NG, NG, nullptr, characters, NG, NG, NG));
    };
    const auto digits = String::fromUtf8("0123456789");
    EXPECT_EQ(run(digits, "a1b2"), "12");
    // An empty string keeps the digits in force.
    EXPECT_EQ(run(String::create(), "c3d4"), "34");
    // No characters clears the format, and an empty string then runs unfiltered.
    EXPECT_EQ(run(nullptr, "e5"), "e5");
    EXPECT_EQ(currentInputFormat(), nullptr);
    EXPECT_EQ(run(String::create(), "f6"), "f6");
}

TEST_F(LineInput, ControlFormatterAttachFindsTheControlByReferenceOrTag) {
    const auto window = std::make_shared<platform::Window>(Rect(100, 100, 300, 100),
                                                           platform::WindowStyleMask::Titled);
    const auto field = std::make_shared<platform::TextField>(Rect(10, 10, 200, 20));
    field->setTag(12);
    window->contentView()->addSubview(field);
    window->orderFront();

    ControlFormatterAttach(field, String::fromUtf8("abc"), 1, -1, 3);
    auto formatter = std::dynamic_pointer_cast<CUI_ControlFormatter>(field->formatter());
    ASSERT_TRUE(formatter);
    EXPECT_TRUE(formatter->pass());
    EXPECT_EQ(formatter->length(), UINT64_MAX);
    EXPECT_EQ(formatter->option(), 3u);

    field->setFormatter(nullptr);
    ControlFormatterAttach(12, String::fromUtf8("abc"), 0, 2, 1);
    formatter = std::dynamic_pointer_cast<CUI_ControlFormatter>(field->formatter());
    ASSERT_TRUE(formatter);
    EXPECT_FALSE(formatter->pass());
    EXPECT_EQ(formatter->length(), 2u);
    window->close();
}

// Pastes into the field already holding "Zo|e" (the cursor after "Zo"): a paste of several
// lines keeps its first line where it lands, and a paste too long for the screen scrolls in a
// window that stays on it.
TEST_F(LineInput, APasteKeepsItsFirstLineAndALongOneScrollsInsideTheScreen) {
    struct Case {
        std::string pasted;
        std::string answer;
    };
    const std::string longText(5000, 'k');
    for (const Case& c : {Case{"Ann\nBob", "ZoAnne"}, Case{"\r\nBob", "Zoe"},
                          Case{"Ann\r\nBob\n", "ZoAnne"}, Case{longText, "Zo" + longText + "e"}}) {
        SCOPED_TRACE(c.answer.substr(0, 12));
        const auto front = frontWindow({40, 40, 600, 400});
        double right = 0;
        ModalScript script;
        script.run()
            .type("Zoe")
            .press(Key::Left)
            .paste(c.pasted)
            .perform([&] { right = lastWindow()->frame().maxX(); })
            .press(Key::Return);
        EXPECT_EQ(answerText(input("Name: ", 20, 70)), c.answer);
        EXPECT_LE(right, platform::Screen::mainScreen()->visibleFrame().maxX());
        front->close();
    }
}
