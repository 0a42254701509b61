// Wired menus on real toolkit menus: the numbers a chosen item reports, nested menus, the
// validation callback and the menus the wiring leaves alone.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_MenuDelegate.h"
#include "runtime/elements/CUI_MenuItemTarget.h"
#include "runtime/elements/ElementOperations.h"
#include "runtime/elements/MenuWiring.h"

#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/View.h"
#include "platform/windows/Menu.h"
#include "platform/windows/MenuItem.h"

using platform::Menu;
using platform::MenuItem;
using platform::String;
using namespace shelltest;

namespace {

Ref<Menu> menu(const char* identifier, std::vector<Ref<MenuItem>> items) {
    const auto made = std::make_shared<Menu>(String::fromUtf8("Menu"));
    made->setIdentifier(identifier ? String::fromUtf8(identifier) : nullptr);
    for (const auto& item : items)
        made->addItem(item);
    return made;
}

Ref<MenuItem> item(const char* title, Ref<Menu> submenu = nullptr) {
    const auto made = std::make_shared<MenuItem>(String::fromUtf8(title), platform::Selector(),
                                                 String::fromUtf8(""));
    if (submenu)
        made->setSubmenu(submenu);
    return made;
}

std::vector<std::pair<std::int64_t, std::int64_t>>& chosen() {
    static std::vector<std::pair<std::int64_t, std::int64_t>> calls;
    return calls;
}
void menuCallback(std::int64_t menuNumber, std::int64_t itemNumber) {
    chosen().emplace_back(menuNumber, itemNumber);
}
// Every item can be chosen but the second of menu 2.
bool validate(std::int64_t menuNumber, std::int64_t itemNumber) {
    return !(menuNumber == 2 && itemNumber == 1);
}

class MenuWiringTest : public ShellTest {
protected:
    void TearDown() override {
        MenuCallbackSet(nullptr);
        CUI_MenuItemTarget::shared()->setValidateCallback(nullptr);
        chosen().clear();
        ShellTest::TearDown();
    }
};

TEST_F(MenuWiringTest, ChosenItemsOfAViewsNestedMenuReportTheirNumbers) {
    WindowOpen(60, nullptr, kParamNotGiven, {100, 100, 300, 200});
    const auto view = ElementCreate(60, 5, ElementKind::View, {10, 10, 100, 100});
    const auto own = item("Open");
    view->setMenu(
        menu("101", {own, item("Save"), item("More", menu(nullptr, {item("A"), item("B")}))}));
    ViewMenuWire(view);
    MenuCallbackSet(menuCallback);
    CUI_MenuItemTarget::shared()->setValidateCallback(validate);
    int userData = 0;
    Additions::setCuiMenuItemCallback(*own, controlCallback);
    Additions::setCuiMenuItemUserData(*own, &userData);

    const std::vector<std::vector<std::string>> paths = {
        {"Save"}, {"More", "A"}, {"More", "B"}, {"Open"}};
    std::vector<bool> results;
    for (const auto& path : paths) {
        UserActions::rightClickInView(view, {50, 50});
        results.push_back(UserActions::chooseInShownMenu(path));
    }
    // B of the submenu (menu 2, the index of "More") is disabled by the validation callback.
    EXPECT_EQ(results, (std::vector<bool>{true, true, false, true}));
    EXPECT_EQ(chosen(), (std::vector<std::pair<std::int64_t, std::int64_t>>{{101, 1}, {2, 0}}));
    // The item with a callback of its own reports there: menu 101, item 0, its user data.
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].tag, 101);
    EXPECT_EQ(heard()[0].wndTag, 0);
    EXPECT_EQ(heard()[0].userData, &userData);
    EXPECT_EQ(MenuList()->lastObject(), view->menu());
}

TEST_F(MenuWiringTest, TheApplicationsOwnMenusKeepTheirItemsButNotTheirSubmenus) {
    const auto direct = item("Direct");
    const auto nested = item("Nested");
    const auto low = menu("5", {direct, item("Sub", menu(nullptr, {nested}))});
    const std::size_t listed = MenuList()->count();
    MenuWire(low);
    EXPECT_EQ(direct->target(), nullptr);
    EXPECT_EQ(nested->target(), CUI_MenuItemTarget::shared());
    EXPECT_EQ(MenuList()->count(), listed + 1);
    // A view's menu below 101 is not wired at all.
    const auto view = std::make_shared<platform::View>(platform::Rect{});
    const auto other = item("Other");
    view->setMenu(menu("100", {item("Sub", menu(nullptr, {other}))}));
    ViewMenuWire(view);
    EXPECT_EQ(other->target(), nullptr);
}

TEST_F(MenuWiringTest, AMenuDelegateHearsTheMenuUpdateOpenHighlightAndClose) {
    WindowOpen(60, nullptr, kParamNotGiven, {100, 100, 300, 200});
    const auto view = ElementCreate(60, 5, ElementKind::View, {10, 10, 100, 100});
    view->setMenu(menu("102", {item("Open"), item("Save")}));
    ViewMenuWire(view);
    static std::vector<std::vector<std::int64_t>> told;
    told.clear();
    int userData = 0;
    MenuDelegateSet(
        view->menu(),
        [](std::int64_t event, std::int64_t menuNumber, std::int64_t itemNumber, void* data) {
            told.push_back({event, menuNumber, itemNumber, data ? 1 : 0});
        },
        &userData);
    UserActions::rightClickInView(view, {50, 50});
    ASSERT_TRUE(UserActions::chooseInShownMenu({"Save"}));
    EXPECT_EQ(told, (std::vector<std::vector<std::int64_t>>{
                        {7, 102, 0, 1}, {4, 102, 0, 1}, {3, 102, 1, 1}, {5, 102, 0, 1}}));
}

} // namespace
