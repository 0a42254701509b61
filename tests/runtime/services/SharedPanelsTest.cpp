// The shared colour and font panels: what the user picks in them reaches the program.

#include "runtime/services/CUI_ColorPanelTarget.h"
#include "runtime/services/CUI_FontManagerDelegate.h"

#include "ServicesTesting.h"

#include "platform/drawing/Color.h"
#include "platform/drawing/Font.h"
#include "platform/services/ColorPanel.h"
#include "platform/services/FontManager.h"
#include "platform/testing/ServicePanelInput.h"

using namespace shelltest;

namespace {

std::string rgb(const Ref<platform::Color>& color) {
    return std::to_string(static_cast<int>(color->redComponent() * 255 + 0.5)) + "," +
           std::to_string(static_cast<int>(color->greenComponent() * 255 + 0.5)) + "," +
           std::to_string(static_cast<int>(color->blueComponent() * 255 + 0.5));
}

std::vector<std::string>& called() {
    static std::vector<std::string> calls;
    return calls;
}

TEST_F(ShellTest, PicksInTheColourPanelReachTheCallbackElseTheDialogCallback) {
    const auto panel = platform::ColorPanel::sharedColorPanel();
    const auto target = std::make_shared<CUI_ColorPanelTarget>();
    int data = 0;
    panel->setTarget(target);
    panel->setAction(platform::Selector("action:", &CUI_ColorPanelTarget::action));
    DialogCallbackSet(dialogCallback);
    called().clear();
    panel->setColor(platform::Color::blackColor());
    panel->makeKeyAndOrderFront();

    // The field takes each valid colour as it is typed ("#ff0" on the way), as a user sees it.
    ASSERT_TRUE(platform::testing::typeColorInShownColorPanel("#ff0000"));
    ASSERT_FALSE(heard().empty());
    EXPECT_TRUE(std::all_of(heard().begin(), heard().end(), [](const Heard& h) {
        return h.event == 2600 && h.tag == 0 && h.wndTag == 0;
    }));
    EXPECT_EQ(rgb(std::static_pointer_cast<platform::Color>(heard().back().object)), "255,0,0");
    EXPECT_EQ(rgb(DialogEventColorObj()), "255,0,0");
    const std::size_t heardBefore = heard().size();
    target->setCallback([](const Ref<platform::Color>& color, void* userData) {
        called().push_back(rgb(color) + (userData ? " with data" : ""));
    });
    target->setUserData(&data);
    ASSERT_TRUE(platform::testing::typeColorInShownColorPanel("#00ff00"));
    panel->orderOut();
    panel->setTarget(nullptr);

    ASSERT_FALSE(called().empty());
    EXPECT_EQ(called().back(), "0,255,0 with data");
    EXPECT_EQ(heard().size(), heardBefore);
    EXPECT_EQ(rgb(DialogEventColorObj()), "255,0,0") << "a callback's picks stay from the record";
}

TEST_F(ShellTest, ASizePickedInTheFontPanelResizesTheDelegatesFontAndReachesTheDialogCallback) {
    const auto manager = platform::FontManager::sharedFontManager();
    const auto delegate = std::make_shared<CUI_FontManagerDelegate>();
    const auto family = delegate->font()->familyName()->utf8();
    manager->setTarget(delegate);
    manager->setAction(CUI_FontManagerDelegate::changeFontSelector());
    DialogCallbackSet(dialogCallback);
    manager->setSelectedFont(delegate->font());
    manager->orderFrontFontPanel();

    ASSERT_TRUE(platform::testing::typeSizeInShownFontPanel("18"));
    manager->orderOutFontPanel();
    manager->setTarget(nullptr);

    ASSERT_FALSE(heard().empty()) << "setting the panel's font sends nothing; typing does";
    const auto told = std::dynamic_pointer_cast<platform::Font>(heard().back().object);
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(heard().back().event, 2200);
    EXPECT_EQ(told, DialogEventFontObj());
    EXPECT_EQ(told, delegate->font());
    EXPECT_EQ(told->pointSize(), 18);
    EXPECT_EQ(told->familyName()->utf8(), family);
}

} // namespace
