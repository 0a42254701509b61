#include "runtime/services/CUI_FontManagerDelegate.h"

#include "ServicesTesting.h"

#include "platform/drawing/Font.h"
#include "platform/services/FontManager.h"
#include "platform/testing/ServicePanelInput.h"

using namespace shelltest;
using platform::Ref;

namespace {

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
