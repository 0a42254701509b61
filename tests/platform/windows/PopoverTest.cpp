// Popovers shown beside a view: where they appear, what closes them by their behaviour, and
// dragging them away, which detaches them into a window of the delegate's or into their own.

#include "platform/windows/Popover.h"
#include "platform/app/Application.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/testing/ModalScript.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TextField.h"
#include "platform/views/View.h"
#include "platform/windows/PopoverDelegate.h"
#include "platform/windows/ViewController.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <string>

using namespace platform;
using platform::testing::UserActions;

namespace {

// Writes what it hears, and answers as told.
struct Listener final : PopoverDelegate {
    bool popoverShouldClose(const Ref<Popover>&) override { return note("close? ", allowClose); }
    bool popoverShouldDetach(const Ref<Popover>&) override { return note("detach? ", true); }
    Ref<Window> detachableWindowForPopover(const Ref<Popover>&) override { return detachTo; }
    void popoverDidDetach(const Ref<Popover>&) override { note("detached ", true); }
    void popoverDidShow(const Ref<Notification>&) override { note("shown ", true); }
    void popoverDidClose(const Ref<Notification>&) override { note("closed ", true); }
    bool note(const char* what, bool answer) {
        heard += what;
        return answer;
    }
    std::string heard;
    bool allowClose = true;
    Ref<Window> detachTo;
};

struct Scene {
    Scene() {
        main->setContentView(std::make_shared<View>(Rect{0, 0, 400, 300}));
        main->contentView()->addSubview(anchor);
        main->makeKeyAndOrderFront();
        other->orderFront();
        controller->setView(std::make_shared<View>(Rect{0, 0, 120, 80}));
        popover->setContentViewController(controller);
        popover->setDelegate(listener);
    }
    ~Scene() {
        popover->close();
        main->close();
        other->close();
    }
    void show(RectEdge edge = RectEdge::MaxY) {
        popover->showRelativeToRectOfViewPreferredEdge(anchor->bounds(), anchor, edge);
    }
    Ref<View> content() const { return controller->view(); }

    Ref<Window> main = std::make_shared<Window>(Rect{300, 300, 400, 300}, WindowStyleMask::Titled);
    Ref<Window> other = std::make_shared<Window>(Rect{800, 300, 100, 100}, WindowStyleMask::Titled);
    Ref<View> anchor = std::make_shared<View>(Rect{150, 100, 100, 40});
    Ref<ViewController> controller = std::make_shared<ViewController>();
    Ref<Popover> popover = std::make_shared<Popover>();
    std::shared_ptr<Listener> listener = std::make_shared<Listener>();
};

TEST(Popover, ShowsBesideTheRectangleOnThePreferredEdge) {
    // The content's origin relative to the anchor's on the screen.
    const std::pair<RectEdge, Point> cases[] = {{RectEdge::MaxY, {-10, 40}},
                                                {RectEdge::MinY, {-10, -80}},
                                                {RectEdge::MaxX, {100, -20}},
                                                {RectEdge::MinX, {-120, -20}}};
    for (const auto& [edge, expected] : cases) {
        Scene scene;
        scene.show(edge);
        const Point at = scene.content()->window()->frame().origin;
        const Point anchor = scene.main->convertPointToScreen(scene.anchor->frame().origin);
        EXPECT_EQ(Point(at.x - anchor.x, at.y - anchor.y), expected) << static_cast<int>(edge);
    }
}

TEST(Popover, ClosesByItsBehaviourOnClicksOutsideAndEscape) {
    enum class Act { ClickInItsWindow, ClickInAnotherWindow, ClickInside, Escape };
    using B = PopoverBehavior;
    const std::tuple<B, Act, bool, const char*> cases[] = {
        {B::Transient, Act::ClickInItsWindow, true, "shown close? closed "},
        {B::Transient, Act::ClickInAnotherWindow, true, "shown close? closed "},
        {B::Transient, Act::ClickInside, true, "shown "},
        {B::Transient, Act::Escape, false, "shown close? "},
        {B::Semitransient, Act::ClickInItsWindow, true, "shown close? closed "},
        {B::Semitransient, Act::ClickInAnotherWindow, true, "shown "},
        {B::Semitransient, Act::Escape, true, "shown close? closed "},
        {B::ApplicationDefined, Act::ClickInItsWindow, true, "shown "},
        {B::ApplicationDefined, Act::Escape, true, "shown "},
    };
    for (const auto& [behavior, act, allowClose, heard] : cases) {
        Scene scene;
        scene.popover->setBehavior(behavior);
        scene.listener->allowClose = allowClose;
        scene.show();
        if (act == Act::Escape)
            UserActions::pressKey(scene.content()->window(), UserActions::Key::Escape);
        else
            UserActions::clickInView(act == Act::ClickInside            ? scene.content()
                                     : act == Act::ClickInAnotherWindow ? scene.other->contentView()
                                                                        : scene.main->contentView(),
                                     {5, 5});
        EXPECT_EQ(scene.listener->heard, heard)
            << static_cast<int>(behavior) << " " << static_cast<int>(act);
        EXPECT_EQ(scene.popover->isShown(), !std::string(heard).ends_with("closed "));
    }
}

TEST(Popover, DraggedAwayDetachesIntoTheDelegatesWindowOrStaysAsItsOwn) {
    for (const bool toWindow : {false, true}) {
        Scene scene;
        scene.popover->setBehavior(PopoverBehavior::Transient);
        if (toWindow)
            scene.listener->detachTo = scene.other;
        scene.show();
        const Point before = scene.content()->window()->frame().origin;
        UserActions::dragInView(scene.content(), {{10, 10}, {70, 50}});
        const Ref<Window> holder = scene.content()->window();
        EXPECT_EQ(scene.listener->heard,
                  toWindow ? "shown detach? detached closed " : "shown detach? detached ");
        EXPECT_EQ(holder == scene.other, toWindow);
        // A popover detached as its own window follows the drag and no longer closes on a click
        // outside; the delegate's window shows where the drag had taken it when it detached.
        if (!toWindow) {
            EXPECT_EQ(holder->frame().origin, Point(before.x + 60, before.y + 40));
        }
        UserActions::clickInView(scene.main->contentView(), {5, 5});
        EXPECT_EQ(scene.popover->isShown(), !toWindow);
        // Shown again, it takes its content back.
        scene.show();
        EXPECT_EQ(Popover::popoverOfWindow(*scene.content()->window()), scene.popover);
    }
}

} // namespace

// A popover belongs to the window it is shown from: while that window runs modally, the keys
// typed to the popover's field reach it.
TEST(Popover, TakesKeysWhileItsWindowRunsModally) {
    Scene scene;
    const auto field = std::make_shared<TextField>(Rect{10, 10, 100, 22});
    scene.content()->addSubview(field);
    scene.show();
    platform::testing::ModalScript script;
    // The first key of the run only wakes the field, and changes nothing.
    script.run()
        .toWindow(scene.content()->window())
        .press(platform::testing::Key::Right)
        .type("hi")
        .perform([] { Application::shared()->stopModal(); });
    Application::shared()->runModalForWindow(scene.main);
    EXPECT_EQ(field->stringValue()->utf8(), "hi");
}
