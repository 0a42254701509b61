// Stack and grid views placed by a program: the wiring gives a stack view the shared delegate,
// which reports the views it detaches and reattaches, and wires the views inside both.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_StackViewDelegate.h"
#include "runtime/elements/GridViewSC.h"
#include "runtime/elements/StackViewSC.h"
#include "runtime/elements/ViewWiring.h"

#include "platform/views/controls/Button.h"

using namespace shelltest;

namespace {

TEST_F(ShellTest, AWiredStackViewReportsTheViewsItDetachesAndReattaches) {
    constexpr std::int64_t kWindow = 4;
    const auto window = openWindow(kWindow, {0, 0, 300, 200});
    const auto stack = std::make_shared<StackViewSC>(platform::Rect(0, 0, 300, 100));
    stack->setTag(50);
    const auto grid = std::make_shared<GridViewSC>(platform::Rect(0, 100, 300, 100));
    const auto inGrid = std::make_shared<platform::Button>(platform::Rect(0, 0, 80, 24));
    grid->addRowWithViews({inGrid});
    const auto button = std::make_shared<platform::Button>(platform::Rect(0, 0, 80, 24));
    stack->addViewInGravity(button, platform::StackViewGravity::Leading);
    window->contentView()->addSubview(stack);
    window->contentView()->addSubview(grid);
    WireViews(kWindow, window->contentView());
    EXPECT_EQ(stack->delegate(), CUI_StackViewDelegate::shared());
    EXPECT_EQ(button->action().name() + inGrid->action().name(), "controlAction:controlAction:");

    DialogCallbackSet(dialogCallback);
    heard().clear();
    button->setHidden(true);
    button->setHidden(false);
    std::string objects;
    for (const Heard& call : heard())
        if (const auto list = call.object->as<platform::Array>())
            objects +=
                std::to_string(list->count()) + (list->objectAtIndex(0) == button ? "b " : " ");
    EXPECT_EQ(heardText() + objects, "dialog 4501 50/4\ndialog 4500 50/4\n1b 1b ");
}

} // namespace
