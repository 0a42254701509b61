// Path controls wired in a window: the shared delegate takes the program's answers to the drop
// questions, shows it the pop-up list, and reports the single and double actions.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_PathControlDelegate.h"
#include "runtime/elements/PathControlSC.h"
#include "runtime/elements/ViewWiring.h"

#include "platform/app/DraggingInfo.h"
#include "platform/foundation/URL.h"
#include "platform/testing/UserActions.h"
#include "platform/windows/Menu.h"

using namespace shelltest;

namespace {

constexpr std::int64_t kWindow = 12;

Ref<PathControlSC> wiredPathControl() {
    const auto path = std::make_shared<PathControlSC>(platform::Rect{10, 10, 300, 30});
    path->setTag(7);
    path->setURL(platform::URL::fileURLWithPath(*text("/usr/share")));
    const auto window = openWindow(kWindow);
    window->contentView()->addSubview(path);
    WireViews(kWindow, window->contentView());
    return path;
}

// Files dropped with the program's answers: what it heard and the URL after.
TEST_F(ShellTest, TheSharedDelegateTakesTheProgramsAnswersToDrops) {
    struct Case {
        const char* name;
        bool callback;
        std::int64_t refuseCode;
        const char* outcome;
    };
    const Case cases[] = {
        {"taken", true, 0, "dialog 4400 7/12\ndialog 4401 7/12\ndialog 1 7/12\n/tmp/a.txt"},
        {"refused on entry", true, PathControlEvent::ValidateDrop, "dialog 4400 7/12\n/usr/share"},
        {"refused on drop", true, PathControlEvent::AcceptDrop,
         "dialog 4400 7/12\ndialog 4401 7/12\n/usr/share"},
        {"no callback takes it", false, PathControlEvent::AcceptDrop, "/tmp/a.txt"},
    };
    for (const Case& c : cases) {
        const auto path = wiredPathControl();
        EXPECT_EQ(path->delegate(), CUI_PathControlDelegate::shared());
        DialogCallbackSet(c.callback ? dialogCallback : nullptr);
        heard().clear();
        whileHeard() = [&] {
            if (heard().back().event != c.refuseCode)
                return;
            DialogEventSetLongVal(static_cast<std::int64_t>(platform::DragOperation::None));
            DialogEventSetBoolVal(false);
        };
        UserActions::dragFiles(path, {"/tmp/a.txt"}, UserActions::DragEnd::Drop);
        whileHeard() = nullptr;
        EXPECT_EQ(heardText() + path->URL()->path()->utf8(), c.outcome) << c.name;
    }
}

TEST_F(ShellTest, TheSharedDelegateShowsThePopUpListAndReportsBothActions) {
    const auto path = wiredPathControl();
    const auto delegate = CUI_PathControlDelegate::shared();
    path->setTarget(delegate);
    path->setAction({"singleAction:", &CUI_PathControlDelegate::singleAction});
    path->setDoubleAction({"doubleAction:", &CUI_PathControlDelegate::doubleAction});
    DialogCallbackSet(dialogCallback);
    path->setPathStyle(platform::PathStyle::PopUp);
    path->showPopUp();
    ASSERT_EQ(heardEvents(), std::vector<std::int64_t>{PathControlEvent::WillPopUpMenu});
    EXPECT_TRUE(std::dynamic_pointer_cast<platform::Menu>(heard().back().object));
    EXPECT_TRUE(UserActions::chooseInShownMenu({"usr"}));
    path->setPathStyle(platform::PathStyle::Standard);
    path->sendAction(path->doubleAction());
    EXPECT_EQ(heardText(), "dialog 4403 7/12\ndialog 1 7/12\ndialog 4405 7/12\n");
}

} // namespace
