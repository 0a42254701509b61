// Menus and the main menu as a menu bar at the top of titled windows: what the bar shows, how it
// follows the menu, the window's style and geometry, items chosen with the mouse, key
// equivalents during an alert, and a view's contextual menu.

#include "platform/windows/Menu.h"
#include "platform/app/Application.h"
#include "platform/app/ApplicationDelegate.h"
#include "platform/app/Event.h"
#include "platform/app/MainQueue.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "platform/testing/UserActions.h"
#include "platform/views/View.h"
#include "platform/windows/Alert.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include "TestText.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::UserActions;
using testsupport::text;

namespace {

const Rect Content{120, 140, 400, 300};

// An object that notes which of its actions ran.
class Target : public Object {
public:
    void deal(const Ref<Object>&) { chosen.push_back("deal"); }
    void shuffle(const Ref<Object>&) { chosen.push_back("shuffle"); }
    std::vector<std::string> chosen;
};

Ref<MenuItem> item(const char* title, Selector action = {}, const char* key = "") {
    return std::make_shared<MenuItem>(text(title), std::move(action), text(key));
}

Ref<MenuItem> holder(const char* title, const Ref<Menu>& submenu) {
    auto holding = item(title);
    holding->setSubmenu(submenu);
    return holding;
}

// Answers the terminate question with no, and ends the modal run it came in.
class CancellingDelegate : public ApplicationDelegate {
public:
    TerminateReply applicationShouldTerminate(const Ref<Application>&) override {
        ++asked;
        Application::shared()->stopModal();
        return TerminateReply::Cancel;
    }
    int asked = 0;
};

// Each test has the game's kind of main menu: "Pondaro" with "About Pondaro" and "Quit Pondaro"
// (Ctrl+Q), and "Game" with "Deal" (Ctrl+F) and "Shuffle" (Ctrl+Shift+S). The earlier main menu
// and delegate come back afterwards.
class MenuBar : public ::testing::Test {
protected:
    void SetUp() override {
        const auto appMenu = std::make_shared<Menu>(text("Pondaro"));
        appMenu->addItem(item("About Pondaro", {"orderFrontStandardAboutPanel:",
                                                &Application::orderFrontStandardAboutPanel}));
        appMenu->addItem(MenuItem::separatorItem());
        appMenu->addItem(quit);
        const auto gameMenu = std::make_shared<Menu>(text("Game"));
        deal->setTarget(target);
        gameMenu->addItem(deal);
        const auto shuffle = item("Shuffle", {"shuffle:", &Target::shuffle}, "S");
        shuffle->setTarget(target);
        gameMenu->addItem(shuffle);
        mainMenu->addItem(holder("Pondaro", appMenu));
        mainMenu->addItem(holder("Game", gameMenu));
        app->setMainMenu(mainMenu);
    }
    void TearDown() override {
        app->setMainMenu(previousMenu);
        app->setDelegate(previousDelegate);
        window->close();
    }

    const Ref<Application> app = Application::shared();
    const Ref<Menu> previousMenu = app->mainMenu();
    const std::shared_ptr<ApplicationDelegate> previousDelegate = app->delegate();
    const Ref<Menu> mainMenu = std::make_shared<Menu>(text("Main"));
    const Ref<Target> target = std::make_shared<Target>();
    const Ref<MenuItem> quit = item("Quit Pondaro", {"terminate:", &Application::terminate}, "q");
    const Ref<MenuItem> deal = item("Deal", {"deal:", &Target::deal}, "f");
    const Ref<Window> window = std::make_shared<Window>(
        Content, WindowStyleMask::Titled | WindowStyleMask::Closable | WindowStyleMask::Resizable);
};

QMenuBar* menuBarOf(const Window& window) {
    return window.peer().widget->findChild<QMenuBar*>();
}

std::vector<std::string> titles(const QWidget& shown) {
    std::vector<std::string> result;
    for (const QAction* action : shown.actions())
        result.push_back(action->text().toStdString());
    return result;
}

std::string keyText(QKeyCombination keys) {
    return QKeySequence(keys).toString(QKeySequence::NativeText).toStdString();
}

// Where the view's widget stands in its window's widget.
QRect placeInWindow(const View& view, const Window& window) {
    QWidget* widget = view.peer().widget;
    return {widget->mapTo(window.peer().widget.data(), QPoint(0, 0)), widget->size()};
}

// The key is only shown beside the item: the key-equivalent filter alone takes it.
TEST_F(MenuBar, ShowsTheMainMenusTitlesAndFollowsItsChanges) {
    window->makeKeyAndOrderFront();
    QMenuBar* bar = menuBarOf(*window);
    ASSERT_TRUE(bar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(bar->isNativeMenuBar());
    QMenu* shown = bar->actions()[0]->menu<QMenu*>();
    ASSERT_TRUE(shown);
    EXPECT_EQ(titles(*shown),
              (std::vector<std::string>{"About Pondaro", "",
                                        "Quit Pondaro\t" + keyText(Qt::CTRL | Qt::Key_Q)}));
    EXPECT_TRUE(shown->actions()[1]->isSeparator());
    for (const QAction* action : shown->actions())
        EXPECT_TRUE(action->shortcut().isEmpty());

    mainMenu->addItem(holder("Help & Rules", std::make_shared<Menu>(text("Help"))));
    quit->setTitle(text("Leave"));
    quit->setKeyEquivalent(text("L"));
    deal->setEnabled(false);
    bar = menuBarOf(*window);
    ASSERT_TRUE(bar);
    // A menu that is not the main menu's leaves the bar alone.
    std::make_shared<Menu>(text("Elsewhere"))->addItem(item("Other"));
    EXPECT_EQ(menuBarOf(*window), bar);
    EXPECT_EQ(titles(*bar), (std::vector<std::string>{"Pondaro", "Game", "Help && Rules"}));
    EXPECT_EQ(titles(*bar->actions()[0]->menu<QMenu*>())[2],
              "Leave\t" + keyText(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
    EXPECT_FALSE(bar->actions()[1]->menu<QMenu*>()->actions()[0]->isEnabled());
}

// The frame grows by the bar while the content keeps its place and size, through the style,
// the user's resizing and moving, and the main menu going and coming back.
TEST_F(MenuBar, TakesItsPlaceAboveTheContentOfTitledWindowsOnly) {
    window->setStyleMask(WindowStyleMask::Borderless);
    window->orderFront();
    EXPECT_FALSE(menuBarOf(*window));
    EXPECT_EQ(window->frame(), Content);
    window->setStyleMask(WindowStyleMask::Titled | WindowStyleMask::Resizable);
    QMenuBar* bar = menuBarOf(*window);
    ASSERT_TRUE(bar);
    const int barHeight = bar->height();
    EXPECT_GT(barHeight, 0);
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()), Content);
    EXPECT_EQ(window->frame().height(), Content.height() + Window::TitleBarHeight + barHeight);
    EXPECT_EQ(window->contentView()->frame(), (Rect{0, 0, 400, 300}));
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 400, barHeight));
    EXPECT_EQ(placeInWindow(*window->contentView(), *window), QRect(0, barHeight, 400, 300));

    UserActions::resizeContentTo(window, {500, 350});
    UserActions::moveFrameTo(window, {30, 40});
    EXPECT_EQ(window->frame().origin, Point(30, 40));
    EXPECT_EQ(window->contentView()->frame().size, Size(500, 350));
    EXPECT_EQ(window->peer().widget->size(), QSize(500, 350 + barHeight));

    const Rect withBar = window->frame();
    const Rect content = window->contentRectForFrameRect(withBar);
    app->setMainMenu(nullptr);
    EXPECT_FALSE(menuBarOf(*window));
    EXPECT_EQ(window->frame().height(), 350 + Window::TitleBarHeight);
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()), content);
    EXPECT_EQ(placeInWindow(*window->contentView(), *window), QRect(0, 0, 500, 350));
    app->setMainMenu(mainMenu);
    EXPECT_EQ(window->frame(), withBar);

    window->setStyleMask(WindowStyleMask::Borderless);
    EXPECT_FALSE(menuBarOf(*window));
    EXPECT_EQ(window->frame(), content);
    EXPECT_EQ(window->contentView()->frame().size, Size(500, 350));
}

// Quit chosen with the mouse, with Ctrl+Q with the bar shown, and from the keyboard through F10
// each ask the delegate once.
TEST_F(MenuBar, QuitFromTheMenuOrItsKeyAsksTheDelegateToTerminate) {
    const auto delegate = std::make_shared<CancellingDelegate>();
    app->setDelegate(delegate);
    bool chosen = false;
    MainQueue::async(
        [&] { chosen = UserActions::chooseMenuItem(window, "Pondaro", "Quit Pondaro"); });
    app->runModalForWindow(window);
    EXPECT_TRUE(chosen);
    EXPECT_EQ(delegate->asked, 1);
    ModalScript script;
    script.run().pressCharacter(U'q', true);
    app->runModalForWindow(window);
    EXPECT_EQ(delegate->asked, 2);
    script.run().press(Key::F10).press(Key::Up).press(Key::Return);
    app->runModalForWindow(window);
    EXPECT_EQ(delegate->asked, 3);
}

// The about box comes up in a run of its own, from the window's run.
TEST_F(MenuBar, AboutChosenWithTheMouseShowsTheAboutBox) {
    ModalScript script;
    script.run();
    script.run().clickButton(0);
    bool chosen = false;
    std::string shown;
    std::function<void()> watch = [&] {
        if (const auto alert = platform::testing::shownAlert())
            shown = alert->description();
        else if (!shown.empty())
            return app->stopModal();
        MainQueue::async(watch);
    };
    MainQueue::async([&] {
        chosen = UserActions::chooseMenuItem(window, "Pondaro", "About Pondaro");
        MainQueue::async(watch);
    });
    app->runModalForWindow(window);
    EXPECT_TRUE(chosen);
    EXPECT_EQ(shown, "alert informational [Platform Tests] [] <OK>");
}

// During an alert, a key with the Control key held chooses the item with that key and the same
// Shift; a key with no item, or without Control, chooses nothing.
TEST_F(MenuBar, KeyEquivalentsChooseTheirItemsDuringAnAlert) {
    const struct {
        char32_t typed;
        bool control;
        std::vector<std::string> chosen;
    } cases[] = {{U'f', true, {"deal"}},
                 {U'f', false, {}},
                 {U'S', true, {"shuffle"}},
                 {U's', true, {}},
                 {U'x', true, {}}};
    for (const auto& c : cases) {
        target->chosen.clear();
        ModalScript script;
        script.run().pressCharacter(c.typed, c.control).press(platform::testing::Key::Return);
        std::make_shared<Alert>()->runModal();
        EXPECT_EQ(target->chosen, c.chosen) << static_cast<char>(c.typed) << c.control;
    }
}

TEST(Menus, AnItemBelongsToOneMenuAndSubmenusKnowTheirSupermenu) {
    const auto menu = std::make_shared<Menu>(text("Main"));
    const auto submenu = std::make_shared<Menu>(text("App"));
    const auto app = holder("App", submenu);
    menu->addItem(app);
    EXPECT_EQ(app->menu(), menu);
    EXPECT_EQ(submenu->supermenu(), menu);
    EXPECT_EQ(menu->itemWithTitle(*text("App")), app);
    EXPECT_FALSE(menu->itemWithTitle(*text("Other")));
    const auto other = std::make_shared<Menu>(text("Other"));
    other->addItem(app);
    EXPECT_EQ(other->numberOfItems(), 0);
    menu->removeItem(app);
    EXPECT_FALSE(app->menu());
    EXPECT_FALSE(submenu->supermenu());
}

// Some keyboards report Ctrl+Shift+A with the character of the key without Shift.
TEST(Menus, AnUpperCaseKeyEquivalentMatchesItsLetterWithShiftInEitherCase) {
    const auto shuffle = item("Shuffle", {}, "A");
    for (const char* typed : {"A", "a"}) {
        Event::Fields fields;
        fields.modifierFlags = EventModifierFlag::Command | EventModifierFlag::Shift;
        fields.charactersIgnoringModifiers = text(typed);
        EXPECT_TRUE(shuffle->matchesKeyEquivalent(Event(fields, {}))) << typed;
    }
}

// Without a target the action goes to the application, which may not know it; a disabled item
// sends nothing.
TEST(Menus, AnItemSendsItsActionOnlyWhenEnabledAndSomethingTakesIt) {
    const auto about = item(
        "About", {"orderFrontStandardAboutPanel:", &Application::orderFrontStandardAboutPanel});
    about->setEnabled(false);
    EXPECT_FALSE(about->performAction());
    EXPECT_FALSE(item("Wrong", {"deal:", &Target::deal})->performAction());
}

TEST(Menus, ARightClickPopsUpTheViewsMenuWhoseItemsPerformTheirActions) {
    const auto window = std::make_shared<Window>(Rect{50, 50, 200, 200}, WindowStyleMask::Titled);
    window->orderFront();
    const auto target = std::make_shared<Target>();
    const auto menu = std::make_shared<Menu>(text("Context"));
    menu->addItem(item("Deal", {"deal:", &Target::deal}));
    menu->itemArray().front()->setTarget(target);
    menu->addItem(MenuItem::separatorItem());
    window->contentView()->setMenu(menu);
    UserActions::rightClickInView(window->contentView(), {10, 10});
    EXPECT_TRUE(UserActions::chooseInShownMenu({"Deal"}));
    EXPECT_EQ(target->chosen, std::vector<std::string>{"deal"});
    window->close();
}

} // namespace
