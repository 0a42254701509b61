// Menus and their key equivalents: which key presses choose which item, in any window and
// during an alert's modal run.

#include "platform/windows/Menu.h"
#include "platform/app/Application.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/UserActions.h"
#include "platform/views/View.h"
#include "platform/windows/Alert.h"
#include "platform/windows/MenuItem.h"
#include "platform/windows/Window.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace platform;
using platform::testing::ModalScript;

namespace {

// An object that notes which of its actions ran.
class Target : public Object {
public:
    void first(const Ref<Object>&) { chosen.push_back("first"); }
    void second(const Ref<Object>&) { chosen.push_back("second"); }
    std::vector<std::string> chosen;
};

Ref<MenuItem> item(const char* title, Selector action, const char* key) {
    return std::make_shared<MenuItem>(String::fromUtf8(title), std::move(action),
                                      String::fromUtf8(key));
}

// A main menu with a File menu ("First" on Ctrl+F, "Second" on Ctrl+Shift+S) for one test; the
// earlier main menu comes back afterwards.
class MainMenuScope {
public:
    explicit MainMenuScope(const Ref<Target>& target)
        : previous_(Application::shared()->mainMenu()) {
        const auto menu = std::make_shared<Menu>(String::fromUtf8("Main"));
        const auto fileItem = item("File", {}, "");
        const auto file = std::make_shared<Menu>(String::fromUtf8("File"));
        fileItem->setSubmenu(file);
        menu->addItem(fileItem);
        const auto first = item("First", {"first:", &Target::first}, "f");
        first->setTarget(target);
        file->addItem(first);
        file->addItem(MenuItem::separatorItem());
        const auto second = item("Second", {"second:", &Target::second}, "S");
        second->setTarget(target);
        file->addItem(second);
        Application::shared()->setMainMenu(menu);
    }
    ~MainMenuScope() { Application::shared()->setMainMenu(previous_); }

private:
    Ref<Menu> previous_;
};

struct KeyCase {
    const char* name;
    char32_t character;
    bool control;
    bool shift;
    std::vector<std::string> chosen;
};

void PrintTo(const KeyCase& row, std::ostream* out) {
    *out << row.name;
}

class KeyEquivalents : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyEquivalents, ChooseTheItemWithTheSameKeyAndModifiersDuringAnAlert) {
    const auto target = std::make_shared<Target>();
    MainMenuScope scope(target);
    const auto alert = std::make_shared<Alert>();
    alert->addButtonWithTitle(String::fromUtf8("OK"));
    ModalScript script;
    const char32_t typed = GetParam().shift ? U'S' : GetParam().character;
    script.run().pressCharacter(typed, GetParam().control).press(platform::testing::Key::Return);
    alert->runModal();
    EXPECT_EQ(target->chosen, GetParam().chosen);
}

INSTANTIATE_TEST_SUITE_P(Table, KeyEquivalents,
                         ::testing::Values(KeyCase{"ControlF", U'f', true, false, {"first"}},
                                           KeyCase{"PlainFIsTyping", U'f', false, false, {}},
                                           KeyCase{"ControlShiftS", U's', true, true, {"second"}},
                                           KeyCase{"ControlSWithoutShift", U's', true, false, {}},
                                           KeyCase{"UnknownKey", U'x', true, false, {}}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(Menus, ItemsKnowTheirMenuAndSubmenusTheirSupermenu) {
    const auto menu = std::make_shared<Menu>(String::fromUtf8("Main"));
    const auto holder = item("App", {}, "");
    const auto submenu = std::make_shared<Menu>(String::fromUtf8("App"));
    holder->setSubmenu(submenu);
    menu->addItem(holder);
    EXPECT_EQ(holder->menu(), menu);
    EXPECT_EQ(submenu->supermenu(), menu);
    EXPECT_EQ(menu->itemWithTitle(*String::fromUtf8("App")), holder);
    // An item belongs to one menu at a time.
    const auto other = std::make_shared<Menu>(String::fromUtf8("Other"));
    other->addItem(holder);
    EXPECT_EQ(other->numberOfItems(), 0);
    menu->removeItem(holder);
    EXPECT_FALSE(holder->menu());
    EXPECT_FALSE(submenu->supermenu());
}

TEST(Menus, AnItemWithoutATargetSendsItsActionToTheApplicationAndADisabledOneNothing) {
    const auto about = item(
        "About", {"orderFrontStandardAboutPanel:", &Application::orderFrontStandardAboutPanel}, "");
    about->setEnabled(false);
    EXPECT_FALSE(about->performAction());
    const auto wrong = item("Wrong", {"first:", &Target::first}, "");
    EXPECT_FALSE(wrong->performAction());
    EXPECT_TRUE(MenuItem::separatorItem()->isSeparatorItem());
}

TEST(Menus, ARightClickPopsUpTheViewsMenuWhoseItemsPerformTheirActions) {
    const auto window = std::make_shared<Window>(Rect{50, 50, 200, 200}, WindowStyleMask::Titled);
    window->orderFront();
    const auto target = std::make_shared<Target>();
    const auto menu = std::make_shared<Menu>(String::fromUtf8("Context"));
    const auto first = item("First", {"first:", &Target::first}, "");
    first->setTarget(target);
    menu->addItem(first);
    menu->addItem(MenuItem::separatorItem());
    window->contentView()->setMenu(menu);
    platform::testing::UserActions::rightClickInView(window->contentView(), {10, 10});
    QMenu* shown = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* candidate = qobject_cast<QMenu*>(widget); candidate && candidate->isVisible())
            shown = candidate;
    ASSERT_TRUE(shown);
    ASSERT_EQ(shown->actions().size(), 2);
    EXPECT_EQ(shown->actions()[0]->text().toStdString(), "First");
    EXPECT_TRUE(shown->actions()[1]->isSeparator());
    shown->actions()[0]->trigger();
    EXPECT_EQ(target->chosen, std::vector<std::string>{"first"});
    shown->close();
    window->close();
}

} // namespace
