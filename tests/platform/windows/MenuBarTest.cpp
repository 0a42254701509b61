// The main menu as a menu bar at the top of titled windows: what it shows, how it follows the
// menu, the window's style and geometry, and items chosen with the mouse and with Ctrl+Q.

#include "platform/app/Application.h"
#include "platform/app/ApplicationDelegate.h"
#include "platform/app/MainQueue.h"
#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ShownAlert.h"
#include "platform/testing/UserActions.h"
#include "platform/views/View.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace platform;
using platform::testing::Key;
using platform::testing::ModalScript;
using platform::testing::UserActions;

namespace {

const Rect Content{120, 140, 400, 300};

Ref<MenuItem> item(const char* title, Selector action, const char* key = "") {
    return std::make_shared<MenuItem>(String::fromUtf8(title), std::move(action),
                                      String::fromUtf8(key));
}

Ref<MenuItem> holder(const char* title, const Ref<Menu>& submenu) {
    auto holding = item(title, {});
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
// (Ctrl+Q), and "Game" with "Deal". The earlier main menu and delegate come back afterwards.
class MenuBar : public ::testing::Test {
protected:
    void SetUp() override {
        appMenu = std::make_shared<Menu>(String::fromUtf8("Pondaro"));
        appMenu->addItem(item("About Pondaro", {"orderFrontStandardAboutPanel:",
                                                &Application::orderFrontStandardAboutPanel}));
        appMenu->addItem(MenuItem::separatorItem());
        quit = item("Quit Pondaro", {"terminate:", &Application::terminate}, "q");
        appMenu->addItem(quit);
        gameMenu = std::make_shared<Menu>(String::fromUtf8("Game"));
        deal = item("Deal", {});
        gameMenu->addItem(deal);
        mainMenu->addItem(holder("Pondaro", appMenu));
        mainMenu->addItem(holder("Game", gameMenu));
        app->setMainMenu(mainMenu);
    }
    void TearDown() override {
        app->setMainMenu(previousMenu);
        app->setDelegate(previousDelegate);
    }

    const Ref<Application> app = Application::shared();
    const Ref<Menu> previousMenu = app->mainMenu();
    const std::shared_ptr<ApplicationDelegate> previousDelegate = app->delegate();
    const Ref<Menu> mainMenu = std::make_shared<Menu>(String::fromUtf8("Main"));
    Ref<Menu> appMenu;
    Ref<Menu> gameMenu;
    Ref<MenuItem> quit;
    Ref<MenuItem> deal;
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

QAction* actionWithText(const QWidget& shown, const QString& text) {
    for (QAction* action : shown.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Where the view's widget stands in its window's widget.
QRect placeInWindow(const View& view, const Window& window) {
    QWidget* widget = view.peer().widget;
    return {widget->mapTo(window.peer().widget.data(), QPoint(0, 0)), widget->size()};
}

TEST_F(MenuBar, ATitledWindowShowsTheMainMenusTitlesWithTheKeyEquivalentsBesideTheItems) {
    const auto window =
        std::make_shared<Window>(Content, WindowStyleMask::Titled | WindowStyleMask::Closable);
    window->makeKeyAndOrderFront();
    QMenuBar* bar = menuBarOf(*window);
    ASSERT_TRUE(bar);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(bar->isNativeMenuBar());
    EXPECT_EQ(titles(*bar), (std::vector<std::string>{"Pondaro", "Game"}));
    QMenu* shown = bar->actions()[0]->menu<QMenu*>();
    ASSERT_TRUE(shown);
    const std::string ctrlQ =
        QKeySequence(Qt::CTRL | Qt::Key_Q).toString(QKeySequence::NativeText).toStdString();
    EXPECT_EQ(titles(*shown),
              (std::vector<std::string>{"About Pondaro", "", "Quit Pondaro\t" + ctrlQ}));
    EXPECT_TRUE(shown->actions()[1]->isSeparator());
    // The key is only shown: the key-equivalent filter alone takes it.
    for (const QAction* action : shown->actions())
        EXPECT_TRUE(action->shortcut().isEmpty());
    window->close();
}

TEST_F(MenuBar, ABorderlessWindowHasNoneUntilItGetsATitleBar) {
    const auto window = std::make_shared<Window>(Content, WindowStyleMask::Borderless);
    window->orderFront();
    EXPECT_FALSE(menuBarOf(*window));
    EXPECT_EQ(window->frame(), Content);

    window->setStyleMask(WindowStyleMask::Titled);
    QMenuBar* bar = menuBarOf(*window);
    ASSERT_TRUE(bar);
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()), Content);
    EXPECT_EQ(window->frame().height(), Content.height() + Window::TitleBarHeight + bar->height());
    EXPECT_EQ(window->contentView()->frame().size, Content.size);

    window->setStyleMask(WindowStyleMask::Borderless);
    EXPECT_FALSE(menuBarOf(*window));
    EXPECT_EQ(window->frame(), Content);
    EXPECT_EQ(window->contentView()->frame().size, Content.size);
    window->close();
}

TEST_F(MenuBar, TheFrameGrowsByTheBarWhileTheContentKeepsItsPlaceAndSize) {
    const auto window =
        std::make_shared<Window>(Content, WindowStyleMask::Titled | WindowStyleMask::Resizable);
    window->makeKeyAndOrderFront();
    QMenuBar* bar = menuBarOf(*window);
    ASSERT_TRUE(bar);
    const int barHeight = bar->height();
    EXPECT_GT(barHeight, 0);
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()), Content);
    EXPECT_EQ(window->frame().height(), Content.height() + Window::TitleBarHeight + barHeight);
    EXPECT_EQ(window->contentView()->frame(), (Rect{0, 0, 400, 300}));
    // The bar across the top of the toolkit's window, the whole content below it.
    EXPECT_EQ(bar->geometry(), QRect(0, 0, 400, barHeight));
    EXPECT_EQ(window->peer().widget->size(), QSize(400, 300 + barHeight));
    EXPECT_EQ(placeInWindow(*window->contentView(), *window), QRect(0, barHeight, 400, 300));

    // Resizing and moving by the user keep the bar out of the content.
    platform::testing::UserActions::resizeContentTo(window, {500, 350});
    EXPECT_EQ(window->contentView()->frame().size, Size(500, 350));
    platform::testing::UserActions::moveFrameTo(window, {30, 40});
    EXPECT_EQ(window->frame().origin, Point(30, 40));
    EXPECT_EQ(window->contentView()->frame().size, Size(500, 350));
    EXPECT_EQ(window->peer().widget->size(), QSize(500, 350 + barHeight));

    // Without a main menu the bar goes and the frame shrinks; the content stays where it is.
    const Rect withBar = window->frame();
    const Rect content = window->contentRectForFrameRect(withBar);
    app->setMainMenu(nullptr);
    EXPECT_FALSE(menuBarOf(*window));
    EXPECT_EQ(window->frame().height(), 350 + Window::TitleBarHeight);
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()), content);
    EXPECT_EQ(window->contentView()->frame().size, Size(500, 350));
    EXPECT_EQ(placeInWindow(*window->contentView(), *window), QRect(0, 0, 500, 350));
    app->setMainMenu(mainMenu);
    EXPECT_EQ(window->frame(), withBar);
    EXPECT_EQ(window->contentView()->frame().size, Size(500, 350));
    window->close();
}

TEST_F(MenuBar, FollowsTheMainMenusItemsAsTheyChange) {
    const auto window = std::make_shared<Window>(Content, WindowStyleMask::Titled);
    window->orderFront();
    mainMenu->addItem(holder("Help & Rules", std::make_shared<Menu>(String::fromUtf8("Help"))));
    ASSERT_TRUE(menuBarOf(*window));
    EXPECT_EQ(titles(*menuBarOf(*window)),
              (std::vector<std::string>{"Pondaro", "Game", "Help && Rules"}));

    quit->setTitle(String::fromUtf8("Leave"));
    quit->setKeyEquivalent(String::fromUtf8("L"));
    deal->setEnabled(false);
    QMenuBar* bar = menuBarOf(*window);
    const QString ctrlShiftL =
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L).toString(QKeySequence::NativeText);
    EXPECT_TRUE(actionWithText(*bar->actions()[0]->menu<QMenu*>(), "Leave\t" + ctrlShiftL));
    EXPECT_FALSE(bar->actions()[1]->menu<QMenu*>()->actions()[0]->isEnabled());

    // A menu that is not the main menu's leaves the bar alone.
    const auto elsewhere = std::make_shared<Menu>(String::fromUtf8("Elsewhere"));
    elsewhere->addItem(item("Other", {}));
    EXPECT_EQ(menuBarOf(*window), bar);
    window->close();
}

TEST_F(MenuBar, QuitChosenWithTheMouseAsksTheDelegateToTerminate) {
    const auto delegate = std::make_shared<CancellingDelegate>();
    app->setDelegate(delegate);
    const auto window = std::make_shared<Window>(Content, WindowStyleMask::Titled);
    bool chosen = false;
    MainQueue::async(
        [&] { chosen = UserActions::chooseMenuItem(window, "Pondaro", "Quit Pondaro"); });
    app->runModalForWindow(window);
    EXPECT_TRUE(chosen);
    EXPECT_EQ(delegate->asked, 1);
    window->close();
}

TEST_F(MenuBar, F10OpensTheBarSoThatQuitCanBeChosenWithTheKeyboard) {
    const auto delegate = std::make_shared<CancellingDelegate>();
    app->setDelegate(delegate);
    const auto window = std::make_shared<Window>(Content, WindowStyleMask::Titled);
    ModalScript script;
    script.run().press(Key::F10).press(Key::Up).press(Key::Return);
    app->runModalForWindow(window);
    EXPECT_EQ(delegate->asked, 1);
    window->close();
}

TEST_F(MenuBar, ControlQWithTheBarShownAsksOnlyOnce) {
    const auto delegate = std::make_shared<CancellingDelegate>();
    app->setDelegate(delegate);
    const auto window = std::make_shared<Window>(Content, WindowStyleMask::Titled);
    ASSERT_TRUE(menuBarOf(*window));
    ModalScript script;
    script.run().pressCharacter(U'q', true);
    app->runModalForWindow(window);
    EXPECT_EQ(delegate->asked, 1);
    window->close();
}

TEST_F(MenuBar, AboutChosenWithTheMouseShowsTheAboutBox) {
    const auto window = std::make_shared<Window>(Content, WindowStyleMask::Titled);
    ModalScript script;
    script.run();
    script.run().clickButton(0);
    bool chosen = false;
    std::optional<platform::testing::ShownAlert> shown;
    // Watches from the window's run: the about box comes up in a run of its own, and once it
    // has gone the window's run ends.
    std::function<void()> watch = [&] {
        if (auto alert = platform::testing::shownAlert())
            shown = alert;
        else if (shown)
            return app->stopModal();
        MainQueue::async(watch);
    };
    MainQueue::async([&] {
        chosen = UserActions::chooseMenuItem(window, "Pondaro", "About Pondaro");
        MainQueue::async(watch);
    });
    app->runModalForWindow(window);
    EXPECT_TRUE(chosen);
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->messageText, "Platform Tests");
    EXPECT_EQ(shown->buttonTitles, std::vector<std::string>{"OK"});
    window->close();
}

} // namespace
