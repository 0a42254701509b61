// Modal runs of a window: the keys the user types reach its views, what ends a run and with
// which code, and what happens to the windows a run blocks.

#include "platform/app/Application.h"
#include "platform/app/Event.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"
#include "platform/windows/Alert.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include "TestText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::UserActions;
using testsupport::text;

namespace {

// A view that takes the keyboard, notes the keys' codes and plain characters, and ends the
// modal run on Return and Escape, as an input window does.
class KeyView : public View {
public:
    using View::View;
    bool acceptsFirstResponder() const override { return true; }
    void keyDown(const Ref<Event>& event) override {
        const auto w = window();
        keyAndShown =
            w && w->isKeyWindow() && w->isVisible() && Application::shared()->modalWindow() == w;
        codes.push_back(event->keyCode());
        if (event->keyCode() == KeyCode::Return)
            Application::shared()->stopModalWithCode(42);
        else if (event->keyCode() == KeyCode::Escape)
            Application::shared()->abortModal();
        else
            typed += event->charactersIgnoringModifiers()->utf8();
    }
    std::string typed;
    std::vector<std::uint16_t> codes;
    bool keyAndShown = false;
};

struct KeyWindow {
    KeyWindow() {
        window->contentView()->addSubview(view);
        window->makeFirstResponder(view);
    }
    ~KeyWindow() { window->close(); }
    const Ref<Window> window =
        std::make_shared<Window>(Rect(100, 100, 300, 200), WindowStyleMask::Titled);
    const Ref<KeyView> view = std::make_shared<KeyView>(Rect(0, 0, 300, 200));
};

} // namespace

// The window is shown and key during its run; Return stops the run with the view's code.
TEST(ModalRun, KeysTypedByTheUserReachTheFocusedViewWithTheFrameworksCodes) {
    KeyWindow k;
    ModalScript script;
    script.run().type("aZ1").press(Key::Tab).pressCharacter(U'q', true).press(Key::Return);
    EXPECT_EQ(Application::shared()->runModalForWindow(k.window), 42);
    EXPECT_EQ(k.view->typed, "aZ1\tq");
    EXPECT_EQ(k.view->codes,
              (std::vector<std::uint16_t>{0, 6, 18, KeyCode::Tab, 12, KeyCode::Return}));
    EXPECT_TRUE(k.view->keyAndShown);
    EXPECT_EQ(script.pendingRuns(), 0);
    EXPECT_EQ(Application::shared()->modalWindow(), nullptr);
}

// Escape aborts; a stop or abort with no run going does not end a later run at once; there is
// no run without a window.
TEST(ModalRun, EscapeAbortsAndStoppingWithNoRunDoesNothing) {
    KeyWindow k;
    Application::shared()->stopModalWithCode(7);
    Application::shared()->abortModal();
    ModalScript script;
    script.run().type("q").press(Key::Escape);
    script.run().press(Key::Return);
    EXPECT_EQ(Application::shared()->runModalForWindow(k.window), ModalResponse::Abort);
    EXPECT_EQ(Application::shared()->runModalForWindow(k.window), 42);
    EXPECT_EQ(k.view->typed, "q");
    EXPECT_EQ(Application::shared()->runModalForWindow(nullptr), ModalResponse::Abort);
}

TEST(ModalRun, KeysNoViewTakesTravelUpToTheWindow) {
    struct RecordingWindow : Window {
        using Window::Window;
        void keyDown(const Ref<Event>& event) override {
            keys += event->characters()->utf8();
            if (event->keyCode() == KeyCode::Return)
                Application::shared()->stopModalWithCode(1);
        }
        std::string keys;
    };
    struct PassingView : View {
        using View::View;
        bool acceptsFirstResponder() const override { return true; }
    };
    const auto window =
        std::make_shared<RecordingWindow>(Rect(0, 0, 200, 100), WindowStyleMask::Titled);
    const auto view = std::make_shared<PassingView>(Rect(50, 25, 20, 20));
    window->contentView()->addSubview(view);
    window->makeFirstResponder(view);
    ModalScript script;
    script.run().type("ab").press(Key::Return);
    EXPECT_EQ(Application::shared()->runModalForWindow(window), 1);
    EXPECT_EQ(window->keys, "ab\r");
    window->close();
}

namespace {

// A view that counts the mouse presses it gets, and the menu target of "Deal".
class Behind : public View {
public:
    using View::View;
    void mouseDown(const Ref<Event>&) override { ++presses; }
    void deal(const Ref<Object>&) { ++dealt; }
    int presses = 0;
    int dealt = 0;
};

class BlockedWindow : public ::testing::TestWithParam<bool> {};

} // namespace

// During a run waiting for text in a field, and during an alert before one: a click on the
// window behind is dropped, its menu bar's "Game" > "Deal" works, and keys typed to it reach the
// waiting field, at once or when its run comes.
TEST_P(BlockedWindow, DropsClicksKeepsItsMenuBarAndPassesKeysToTheWaitingField) {
    const auto app = Application::shared();
    const auto previousMenu = app->mainMenu();
    const auto window = std::make_shared<Window>(Rect(100, 100, 300, 200), WindowStyleMask::Titled);
    const auto behind = std::make_shared<Behind>(Rect(0, 0, 300, 200));
    window->contentView()->addSubview(behind);
    window->makeKeyAndOrderFront();
    const auto game = std::make_shared<Menu>(text("Game"));
    game->addItem(
        std::make_shared<MenuItem>(text("Deal"), Selector("deal:", &Behind::deal), text("")));
    game->itemArray().front()->setTarget(behind);
    const auto mainMenu = std::make_shared<Menu>(text("Main"));
    mainMenu->addItem(std::make_shared<MenuItem>(text("Game"), Selector(), text("")));
    mainMenu->itemArray().front()->setSubmenu(game);
    app->setMainMenu(mainMenu);

    const auto input = std::make_shared<Window>(Rect(150, 150, 200, 40), WindowStyleMask::Titled);
    const auto field = std::make_shared<TextField>(Rect(10, 10, 180, 20));
    input->contentView()->addSubview(field);
    input->makeFirstResponder(field);
    ModalScript script;
    bool chosen = false;
    script.run()
        .perform([&] {
            UserActions::clickInView(behind, {50, 50});
        })
        .perform([&] { chosen = UserActions::chooseMenuItem(window, "Game", "Deal"); })
        .toWindow(window)
        .type("ab");
    if (GetParam()) {
        script.clickButton(0);
        std::make_shared<Alert>()->runModal();
        script.run();
    }
    script.perform([] { Application::shared()->stopModalWithCode(1); });
    app->runModalForWindow(input);
    app->setMainMenu(previousMenu);
    input->close();
    window->close();
    EXPECT_EQ(behind->presses, 0);
    EXPECT_TRUE(chosen);
    EXPECT_EQ(behind->dealt, 1);
    EXPECT_EQ(field->stringValue()->utf8(), "ab");
}

INSTANTIATE_TEST_SUITE_P(Runs, BlockedWindow, ::testing::Bool(),
                         [](const auto& param) { return param.param ? "Alert" : "TextRun"; });
