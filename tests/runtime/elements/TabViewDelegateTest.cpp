// Tab views loaded from an interface file: every page is wired and searched by tag, selected or
// not, and the shared tab-view delegate reports each change of the selection with the item's
// place in the record, taking the program's answer to whether a tab may be selected.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_TabViewDelegate.h"
#include "runtime/elements/InterfaceLoading.h"
#include "runtime/elements/TabViewSC.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/app/Event.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TabViewItem.h"
#include "platform/views/controls/Button.h"

#include <optional>

using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 9;

Ref<TabViewSC> loadTabs() {
    WindowLoad(kWindow, text(PONDARO_INTERFACE_DIR "/tabs.ui"));
    return ViewWithTagOfClass<TabViewSC>(30);
}

std::string selectedLabel(const TabViewSC& tabs) {
    return tabs.selectedTabViewItem()->label()->utf8();
}

TEST_F(ShellTest, ALoadedTabWidgetIsATabViewWiredAndSearchedThroughEveryPage) {
    const auto tabs = loadTabs();
    ASSERT_TRUE(tabs);
    EXPECT_EQ(std::to_string(tabs->numberOfTabViewItems()) + selectedLabel(*tabs), "3Search");
    EXPECT_EQ(tabs->delegate(), CUI_TabViewDelegate::shared());
    // The button on the unselected third page takes its tag from its identifier and is wired.
    const auto clear = ViewWithTagOfClass<platform::Button>(5);
    ASSERT_TRUE(clear);
    EXPECT_EQ(clear->action().name() + std::to_string(Additions::wndTag(*clear)),
              "controlAction:9");
    EXPECT_FALSE(ViewWithTag(6)); // the page's own identifier names nothing
    // The page's layout runs at the tab view's final size: the button is as wide as its twin.
    const auto find = ViewWithTagOfClass<platform::Button>(4);
    const auto alike = ViewWithTagOfClass<platform::Button>(8);
    ASSERT_TRUE(find && alike);
    EXPECT_EQ(find->frame().size, alike->frame().size);
}

// From the first tab, the focus in its field: what was heard (with longVal during the notices
// about an item), the tab selected after it, and the longVal the record is left with.
TEST_F(ShellTest, TheSharedDelegateReportsSelectionsAndTakesTheProgramsAnswer) {
    using Key = UserActions::Key;
    struct Case {
        const char* name;
        bool callback, refuse;
        // Pressed with Ctrl in the field; none removes the selected item instead.
        std::optional<Key> key;
        const char* outcome;
    };
    const Case cases[] = {
        {"third tab", true, false, Key::PageUp, "1701 30/9 1702@2 30/9 1703@2 30/9 -> Notes 2"},
        {"refused", true, true, Key::Tab, "1701 30/9 -> General 2"},
        {"no callback allows", false, true, Key::Tab, "-> Search 1"},
        {"removing the selected", true, false, std::nullopt,
         "1701 30/9 1702@0 30/9 1703@0 30/9 1700 30/9 -> Search 0"},
    };
    for (const Case& c : cases) {
        const auto tabs = loadTabs();
        tabs->selectTabViewItemAtIndex(0);
        tabs->window()->makeFirstResponder(ViewWithTag(3));
        DialogEventSetLongVal(2);
        DialogCallbackSet(c.callback ? dialogCallback : nullptr);
        heard().clear();
        std::string log;
        whileHeard() = [&] {
            const Heard& call = heard().back();
            log += std::to_string(call.event);
            if (call.event > TabViewEvent::ShouldSelectItem) // the notices about an item
                log += "@" + std::to_string(DialogEventLongVal());
            log += " " + std::to_string(call.tag) + "/" + std::to_string(call.wndTag) + " ";
            if (call.event == TabViewEvent::ShouldSelectItem && c.refuse)
                DialogEventSetBoolVal(false);
        };
        if (c.key)
            UserActions::pressKey(tabs->window(), *c.key, platform::EventModifierFlag::Command);
        else
            tabs->removeTabViewItem(tabs->tabViewItemAtIndex(0));
        whileHeard() = nullptr;
        EXPECT_EQ(log + "-> " + selectedLabel(*tabs) + " " + std::to_string(DialogEventLongVal()),
                  c.outcome)
            << c.name;
        WindowWithTag(kWindow)->close();
    }
}

} // namespace
