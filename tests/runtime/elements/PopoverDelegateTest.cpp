// Popovers the program registers under a tag: the lookups find them and the views they show,
// windows cannot take their tag, and their delegate reports each question with the answer a
// popover gets without a callback, detaching them into the window of its detachable window.

#include "../shell/ShellTesting.h"

#include "runtime/elements/CUI_PopoverDelegate.h"
#include "runtime/elements/PopoverSC.h"
#include "runtime/shell/ViewLookup.h"

#include "platform/foundation/Dictionary.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/View.h"
#include "platform/windows/ViewController.h"

#include <tuple>

using namespace shelltest;

namespace {

constexpr std::int64_t kPopover = 40;
constexpr std::int64_t kDetached = 41;
constexpr std::int64_t kMain = 42;

Ref<View> taggedView(platform::Rect frame, const char* tag) {
    auto view = std::make_shared<View>(frame);
    view->setIdentifier(platform::String::fromUtf8(tag));
    return view;
}

class PopoverTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        const auto controller = std::make_shared<platform::ViewController>();
        controller->setView(std::make_shared<View>(platform::Rect{0, 0, 150, 90}));
        controller->view()->addSubview(taggedView({10, 10, 30, 20}, "7"));
        popover->setContentViewController(controller);
        popover->setBehavior(platform::PopoverBehavior::Transient);
        popover->setDelegate(delegate);
        delegate->setDetachableWindow(openWindow(-kDetached, {500, 100, 150, 90}));
        main = openWindow(kMain, {100, 100, 300, 200});
        main->contentView()->addSubview(taggedView({0, 0, 50, 50}, "7"));
        PopoverRegister(popover, kPopover);
    }
    void TearDown() override {
        popover->close();
        PopoverRegistry()->removeAllObjects();
        ShellTest::TearDown();
    }
    void show() {
        popover->showRelativeToRectOfViewPreferredEdge({0, 0, 50, 50}, main->contentView(),
                                                       platform::RectEdge::MaxY);
    }
    Ref<View> content() const { return popover->contentViewController()->view(); }

    Ref<PopoverSC> popover = std::make_shared<PopoverSC>();
    std::shared_ptr<CUI_PopoverDelegate> delegate = std::make_shared<CUI_PopoverDelegate>();
    Ref<platform::Window> main;
};

TEST_F(PopoverTest, TheRegistryFindsThePopoverAndTheViewsItShows) {
    EXPECT_EQ(PopoverWithTag(kPopover), popover);
    WindowOpen(kPopover, nullptr, kParamNotGiven, {});
    EXPECT_FALSE(WindowWithTag(kPopover));
    EXPECT_EQ(CurrentOutputWindowTag(), kMain);
    EXPECT_EQ(
        answerNotices(1),
        "alert warning [Window tag error.] [Windows and Popovers cannot have same tag value.] <OK> "
        "<Quit>\n");
    // Only a shown popover is searched, before the window's views.
    const Ref<View> inWindow = ViewWithTag(7);
    show();
    const Ref<View> inPopover = ViewWithTag(7);
    EXPECT_NE(inWindow, inPopover);
    EXPECT_EQ(ViewWindowTag(*inPopover), kPopover);
    EXPECT_EQ(ViewWindowTag(*inWindow), kMain);
    CurrentOutputWindowTagSet(kPopover);
    EXPECT_EQ(CurrentContentView(), content());
}

// Dragging the shown popover away, with the program's answers: what the dialog callback heard
// (tag/window tag), and where the content went.
TEST_F(PopoverTest, DraggedAwayItDetachesIntoTheWindowOfTheDetachableWindowsTag) {
    // Written into the record when the detachable window is asked for (0 keeps it); heard,
    // nothing without a callback; the tag of the window that then holds the content.
    const std::tuple<std::int64_t, const char*, std::int64_t> cases[] = {
        {0, "", kDetached},
        {0, "1302 1303 1307 1300@41 1306 1304 1305 ", kDetached},
        {-99, "1302 1303 1307 1300@41 1306 ", 0},
    };
    for (const auto& [window, expected, contentWindow] : cases) {
        DialogCallbackSet(*expected ? dialogCallback : nullptr);
        std::string log;
        whileHeard() = [&] {
            const Heard& call = heard().back();
            EXPECT_EQ(call.tag * 100 + call.wndTag, kPopover * 101);
            log += std::to_string(call.event);
            if (call.event == PopoverEvent::DetachableWindow) {
                log += "@" + std::to_string(DialogEventLongVal());
                if (window)
                    DialogEventSetLongVal(window);
            }
            log += " ";
        };
        show();
        UserActions::dragInView(content(), {{20, 20}, {80, 80}});
        whileHeard() = nullptr;
        EXPECT_EQ(log, expected);
        EXPECT_EQ(popover->isShown(), contentWindow == 0) << expected;
        EXPECT_EQ(ViewWindowTag(*content()->subviews().front()),
                  contentWindow ? contentWindow : kPopover)
            << expected;
        popover->close();
    }
    // Closing the detached window hides it and keeps it for the next time.
    const Ref<platform::Window> detached = WindowWithTag(kDetached);
    EXPECT_TRUE(detached->isVisible());
    UserActions::clickCloseButton(detached);
    EXPECT_FALSE(detached->isVisible());
    EXPECT_EQ(WindowWithTag(kDetached), detached);
}

} // namespace
