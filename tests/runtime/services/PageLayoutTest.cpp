#include "runtime/shell/CUI_PageLayoutDelegate.h"

#include "ServicesTesting.h"

#include "platform/app/Application.h"
#include "platform/services/PageLayout.h"
#include "platform/services/PrintInfo.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/ServicePanelInput.h"

using namespace shelltest;

namespace {

std::int64_t responseHeard = -1;

void pageLayoutEnded(const Ref<platform::Object>&, std::int64_t response, void* context) {
    responseHeard = response;
    *static_cast<bool*>(context) = true;
    platform::Application::shared()->stopModal();
}

// The user turns the paper to landscape and clicks OK (or Cancel); the delegate hears the
// response and only OK changes the print info.
TEST_F(ShellTest, ThePageSetupSheetWritesTheUsersChoiceOnlyWhenAccepted) {
    for (const auto& [button, response, orientation] :
         {std::tuple{"OK", platform::ModalResponse::OK, platform::PaperOrientation::Landscape},
          std::tuple{"Cancel", platform::ModalResponse::Cancel,
                     platform::PaperOrientation::Portrait}}) {
        const auto info = std::make_shared<platform::PrintInfo>();
        info->setLeftMargin(36);
        const auto window = std::make_shared<platform::Window>(platform::Rect{100, 100, 300, 200},
                                                               platform::WindowStyleMask::Titled);
        const auto delegate = std::make_shared<CUI_PageLayoutDelegate>();
        delegate->setCallback(pageLayoutEnded);
        const auto layout = platform::PageLayout::pageLayout();
        bool ended = false;
        platform::testing::ModalScript script;
        script.run().perform([button = button] {
            EXPECT_TRUE(platform::testing::clickInShownPageSetup("Landscape"));
            EXPECT_TRUE(platform::testing::clickInShownPageSetup(button));
        });
        layout->beginSheetWithPrintInfoModalForWindow(info, window, [&](std::int64_t r) {
            delegate->pageLayoutDidEndReturnCodeContextInfo(layout, r, &ended);
        });
        platform::Application::shared()->runModalForWindow(window);
        window->close();
        EXPECT_TRUE(ended);
        EXPECT_EQ(responseHeard, response);
        EXPECT_EQ(info->orientation(), orientation);
        EXPECT_NEAR(info->leftMargin(), 36, 0.5);
        EXPECT_NEAR(info->paperSize().width, 595, 1);
    }
}

} // namespace
