// Toolbars the program describes in a registered record: the shared delegate makes their items
// from the descriptions, and the shared item target reports clicks and asks whether items can be
// chosen, with the key window as the current output window.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_ToolbarDelegate.h"
#include "runtime/elements/CUI_ToolbarObj.h"
#include "runtime/elements/ToolbarSC.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/foundation/Dictionary.h"
#include "platform/foundation/Number.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/windows/ToolbarItem.h"

using platform::String;
using namespace shelltest;

namespace {

Ref<platform::Dictionary> description(std::int64_t tag, const char* label) {
    auto entry = platform::Dictionary::dictionary();
    entry->setObjectForKey(platform::Number::numberWithInteger(tag), String::fromUtf8("Tag"));
    if (label)
        entry->setObjectForKey(String::fromUtf8(label), String::fromUtf8("Label"));
    return entry;
}

// A registered toolbar named 60 with the items "plain" (tag 7, no label) and "open" (tag 8,
// "Open"), both shown at first, and the window 5 showing it.
Ref<platform::Window> windowWithRegisteredToolbar() {
    static const Ref<CUI_ToolbarObj> record = [] {
        auto made = std::make_shared<CUI_ToolbarObj>(std::make_shared<ToolbarSC>(text("60")));
        made->items()->setObjectForKey(description(7, nullptr), text("plain"));
        made->items()->setObjectForKey(description(8, "Open"), text("open"));
        made->defaultIdentifiers()->addObject(text("plain"));
        made->defaultIdentifiers()->addObject(text("open"));
        CUI_ToolbarObj::registerRecord(made);
        return made;
    }();
    const auto window = openWindow(5, {100, 100, 300, 200});
    window->setToolbar(record->toolbar());
    return window;
}

TEST_F(ShellTest, ItemsMadeFromTheRecordReportClicksWithTheirTags) {
    const auto window = windowWithRegisteredToolbar();
    const auto plain = ToolbarItemWithTag(60, 7);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->itemIdentifier()->utf8() + "[" + plain->label()->utf8() + "]", "plain[]");
    EXPECT_EQ(ToolbarItemWithTag(60, 8)->label()->utf8(), "Open");
    DialogCallbackSet(dialogCallback);
    CurrentOutputWindowTagSet(0);
    ASSERT_TRUE(UserActions::clickToolbarItem(window, "plain"));
    EXPECT_EQ(heardText(), "dialog 1901 7/5\ndialog 1900 7/5\n");
}

// The program's answer to 1901 decides whether a click gets through; without a callback the
// item's own enabled state does.
TEST_F(ShellTest, TheProgramsValidationAnswerDecidesWhetherAnItemCanBeChosen) {
    struct Case {
        const char* name;
        bool callback, itemEnabled, answer, chosen;
    };
    const Case cases[] = {
        {"callback allows", true, true, true, true},
        {"callback refuses", true, true, false, false},
        {"callback enables a disabled item", true, false, true, true},
        {"no callback, disabled", false, false, true, false},
    };
    for (const Case& c : cases) {
        const auto window = windowWithRegisteredToolbar();
        const auto open = ToolbarItemWithTag(60, 8);
        DialogCallbackSet(c.callback ? dialogCallback : nullptr);
        whileHeard() = [&] {
            if (heard().back().event == ToolbarEvent::ValidateItem)
                DialogEventSetBoolVal(c.answer);
        };
        open->setEnabled(c.itemEnabled);
        heard().clear();
        UserActions::clickToolbarItem(window, "open");
        const auto events = heardEvents();
        EXPECT_EQ(std::count(events.begin(), events.end(), ToolbarEvent::ItemAction),
                  c.chosen ? 1 : 0)
            << c.name;
        whileHeard() = nullptr;
        open->setEnabled(true);
    }
}

TEST_F(ShellTest, AToolbarWithoutARecordGetsBareItemsAndNoLists) {
    const auto toolbar = std::make_shared<ToolbarSC>(text("61"));
    toolbar->setDelegate(CUI_ToolbarDelegate::shared());
    toolbar->insertItemWithItemIdentifierAtIndex(text("plain"), 0);
    ASSERT_EQ(toolbar->items().size(), 1u);
    EXPECT_TRUE(toolbar->items().front()->tag() == 0 &&
                toolbar->items().front()->action().isNull());
    EXPECT_TRUE(toolbar->allowedItemIdentifiers().empty());
}

} // namespace
