#include "runtime/services/CUI_ColorPanelTarget.h"

#include "ServicesTesting.h"

#include "runtime/shell/CUI_DialogEvent.h"

#include "platform/app/Application.h"
#include "platform/drawing/Color.h"
#include "platform/services/ColorPanel.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ServicePanelInput.h"
#include "platform/windows/Window.h"

using namespace shelltest;
using platform::Ref;

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

    ASSERT_TRUE(platform::testing::typeColorInShownColorPanel("#ff0000"));
    std::vector<std::string> heardColors;
    for (const auto& call : heard())
        heardColors.push_back(std::to_string(call.event) + " " + rgb(DialogEventColorObj()) + " " +
                              rgb(std::static_pointer_cast<platform::Color>(call.object)));
    target->setCallback([](const Ref<platform::Color>& color, void* userData) {
        called().push_back(rgb(color) + (userData ? " with data" : ""));
    });
    target->setUserData(&data);
    // The panel keeps serving the user while another window runs modally.
    const auto modal = std::make_shared<platform::Window>(platform::Rect{150, 150, 200, 40},
                                                          platform::WindowStyleMask::Titled);
    platform::testing::ModalScript script;
    script.run()
        .perform([] { platform::testing::typeColorInShownColorPanel("#00ff00"); })
        .perform([] { platform::Application::shared()->stopModalWithCode(1); });
    platform::Application::shared()->runModalForWindow(modal);
    modal->close();
    panel->orderOut();
    panel->setTarget(nullptr);

    // The field takes each valid colour as it is typed ("#ff0" on the way), as a user sees it.
    ASSERT_FALSE(heardColors.empty());
    EXPECT_EQ(heardColors.back(), "2600 255,0,0 255,0,0");
    EXPECT_TRUE(std::all_of(heard().begin(), heard().end(),
                            [](const Heard& h) { return h.event == 2600; }));
    ASSERT_FALSE(called().empty());
    EXPECT_EQ(called().back(), "0,255,0 with data");
    EXPECT_EQ(rgb(DialogEventColorObj()), "255,0,0") << "a callback's picks stay from the record";
}

} // namespace
