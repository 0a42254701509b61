// Window events: the delegate's table of events, its defaults, its receivers, and the events the
// user causes with the window's close button, its edges, the keyboard and the mouse.

#include "ShellTesting.h"

#include "runtime/shell/ContentViewSC.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/PanelSC.h"
#include "runtime/shell/WindowSC.h"

#include "platform/app/Event.h"
#include "platform/foundation/Notification.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TrackingArea.h"
#include "platform/windows/Menu.h"

#include <functional>
#include <optional>
#include <type_traits>

using namespace shelltest;
using platform::Size;

namespace {

using Delegate = CUI_WindowDelegate;
using Answer = std::optional<std::int64_t>;
using W = const Ref<platform::Window>&;
using Raise = std::function<Answer(Delegate&, W)>;

Ref<platform::Notification> noteFor(W window) {
    return std::make_shared<platform::Notification>(text("N"), window);
}

Answer whole(double value) {
    return static_cast<std::int64_t>(value);
}

// How the platform raises the event: the method with the window or a notice of it first, then
// these arguments; any answer as a number.
template <class R, class First, class... P, class... A>
Raise ask(R (Delegate::*method)(First, P...), A... args) {
    return [=](Delegate& d, W w) -> Answer {
        const auto first = [&] {
            if constexpr (std::is_convertible_v<W, First>)
                return w;
            else
                return noteFor(w);
        }();
        if constexpr (std::is_void_v<R>) {
            (d.*method)(first, args...);
            return std::nullopt;
        } else {
            return static_cast<std::int64_t>((d.*method)(first, args...));
        }
    };
}

// One window event: its code, whether it makes its window the current output window, how the
// platform raises it and the answer with no receiver (proposed: 7 wide, 9 high, options 5).
struct Row {
    std::int64_t code;
    bool setsCurrentWindow;
    Raise raise;
    Answer proposed;
};

const Row kRows[] = {
    {10000, false,
     [](Delegate& d, W w) -> Answer {
         return whole(d.windowWillPositionSheetUsingRect(w, nullptr, {1, 2, 7, 9}).width());
     },
     7},
    {10001, true, ask(&Delegate::windowWillBeginSheet), {}},
    {10002, true, ask(&Delegate::windowDidEndSheet), {}},
    {10003, true,
     [](Delegate& d, W w) -> Answer {
         return whole(d.windowWillResizeToSize(w, {7, 9}).height);
     },
     9},
    {10004, false, ask(&Delegate::windowDidResize), {}},
    {10005, false, ask(&Delegate::windowWillStartLiveResize), {}},
    {10006, true, ask(&Delegate::windowDidEndLiveResize), {}},
    {10007, false, ask(&Delegate::windowWillMiniaturize), {}},
    {10008, false, ask(&Delegate::windowDidMiniaturize), {}},
    {10009, true, ask(&Delegate::windowDidDeminiaturize), {}},
    {10010, false,
     [](Delegate& d, W w) -> Answer {
         return whole(d.windowWillUseStandardFrameDefaultFrame(w, {0, 0, 7, 9}).height());
     },
     9},
    {10011, false, ask(&Delegate::windowShouldZoomToFrame, Rect{}), 1},
    {10012, false,
     [](Delegate& d, W w) -> Answer {
         return whole(d.windowWillUseFullScreenContentSize(w, {7, 9}).width);
     },
     7},
    {10013, false, ask(&Delegate::windowWillUseFullScreenPresentationOptions, std::uint64_t{5}), 5},
    {10014, false, ask(&Delegate::windowWillEnterFullScreen), {}},
    {10015, true, ask(&Delegate::windowDidEnterFullScreen), {}},
    {10016, false, ask(&Delegate::windowWillExitFullScreen), {}},
    {10017, true, ask(&Delegate::windowDidExitFullScreen), {}},
    {10022, false, ask(&Delegate::windowDidFailToEnterFullScreen), {}},
    {10025, false, ask(&Delegate::windowDidFailToExitFullScreen), {}},
    {10026, true, ask(&Delegate::windowWillMove), {}},
    {10027, true, ask(&Delegate::windowDidMove), {}},
    {10028, true, ask(&Delegate::windowDidChangeScreen), {}},
    {10031, false, ask(&Delegate::windowShouldClose), 1},
    {10033, true, ask(&Delegate::windowDidBecomeKey), {}},
    {10034, false, ask(&Delegate::windowDidResignKey), {}},
    {10035, true, ask(&Delegate::windowDidBecomeMain), {}},
    {10036, false, ask(&Delegate::windowDidResignMain), {}},
    {10037, false, ask(&Delegate::windowDidUpdate), {}},
    {10038, false, ask(&Delegate::windowShouldPopUpDocumentPathMenu, Ref<platform::Object>()), 1},
};

using WindowEvents = ShellTest;

// With no receiver the proposed answer comes back; the dialog callback hears the code with the
// window's tag and may change the answer.
TEST_F(WindowEvents, ReachTheDialogCallbackWhichMayChangeTheAnswer) {
    const auto window = openWindow(-42);
    Delegate& delegate = *Delegate::shared();
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.code);
        DialogCallbackSet(nullptr);
        CurrentOutputWindowTagSet(1);
        heard().clear();
        EXPECT_EQ(row.raise(delegate, window), row.proposed);
        EXPECT_TRUE(heard().empty());
        EXPECT_EQ(CurrentOutputWindowTag(), row.setsCurrentWindow ? 42 : 1);

        DialogCallbackSet(dialogCallback);
        whileHeard() = [] {
            DialogEventSetBoolVal(false);
            DialogEventSetSizeVal({70, 90});
            DialogEventSetRectVal({0, 0, 70, 90});
            DialogEventSetLongVal(50);
        };
        const Answer answer = row.raise(delegate, window);
        EXPECT_EQ(heardText(), "dialog " + std::to_string(row.code) + " 42/42\n");
        if (row.proposed) {
            EXPECT_NE(answer, row.proposed);
        }
    }
}

// The window's own callback comes before the callback for all windows, which comes before the
// dialog callback; exactly one hears the event.
TEST_F(WindowEvents, ExactlyOneReceiverHearsAnEventInOrderOfPrecedence) {
    const auto window = openWindow(-43);
    int data = 0;
    WindowCallbackSet(43, windowCallback, &data);
    AllWindowsCallbackSet(allWindowsCallback);
    DialogCallbackSet(dialogCallback);
    Delegate::shared()->windowDidMove(noteFor(window));
    WindowCallbackSet(43, nullptr, nullptr);
    Delegate::shared()->windowDidMove(noteFor(window));
    AllWindowsCallbackSet(nullptr);
    Delegate::shared()->windowDidMove(noteFor(window));
    ASSERT_EQ(heardText(), "window 10027 0/43\nall windows 10027 0/43\ndialog 10027 43/43\n");
    EXPECT_EQ(heard()[0].userData, &data);
    EXPECT_EQ(heard()[1].userData, nullptr);
}

TEST_F(WindowEvents, TheCloseButtonAsksThenClosesAndTheWindowLeavesTheListUnlessAnsweredNo) {
    const auto window = openWindow(44);
    DialogCallbackSet(dialogCallback);
    whileHeard() = [] { DialogEventSetBoolVal(false); };
    UserActions::clickCloseButton(window);
    EXPECT_TRUE(AppDelegateGet()->windows()->containsObject(window));
    whileHeard() = nullptr;
    heard().clear();
    UserActions::clickCloseButton(window);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(AppDelegateGet()->windows()->containsObject(window));
    EXPECT_FALSE(WindowWithTag(44));
    const auto events = heardEvents();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], WindowEvent::ShouldClose);
    EXPECT_EQ(events[1], WindowEvent::WillClose);
}

TEST_F(WindowEvents, ResizingAsksForTheSizeWhichTheCallbackMayChange) {
    const auto window = openWindow(46, {10, 10, 300, 200});
    const auto content = window->contentView();
    DialogCallbackSet(dialogCallback);
    UserActions::resizeContentTo(window, {320, 240});
    EXPECT_EQ(content->frame().size, (Size{320, 240}));
    // The top edge stays, so the origin moves as well; the content view redoes its cursor
    // rectangles and tracks the mouse over its new bounds.
    EXPECT_EQ(heardEvents(),
              (std::vector<std::int64_t>{WindowEvent::WillResize, WindowEvent::WillMove,
                                         ViewEvent::ResetCursorRects, WindowEvent::DidResize,
                                         WindowEvent::DidMove}));
    ASSERT_FALSE(content->trackingAreas().empty());
    EXPECT_EQ(content->trackingAreas().front()->rect(), (Rect{0, 0, 320, 240}));
    EXPECT_EQ(content->trackingAreas().front()->owner(), content);
    // The answer is a frame size: the content's with the title bar and any menu bar.
    whileHeard() = [window] {
        if (heard().back().event == WindowEvent::WillResize)
            DialogEventSetSizeVal(window->frameRectForContentRect({0, 0, 400, 300}).size);
    };
    UserActions::resizeContentTo(window, {300, 200});
    EXPECT_EQ(content->frame().size, (Size{400, 300}));

    heard().clear();
    CurrentOutputWindowTagSet(1);
    UserActions::moveFrameTo(window, {60, 80});
    EXPECT_EQ(window->frame().origin, (platform::Point{60, 80}));
    EXPECT_EQ(heardEvents(),
              (std::vector<std::int64_t>{WindowEvent::WillMove, WindowEvent::DidMove}));
    EXPECT_EQ(CurrentOutputWindowTag(), 46);
}

TEST_F(WindowEvents, TheContentViewLeavesKeysAndClicksToThePlatformUntilAskedToReportThem) {
    const auto window = openWindow(49, {10, 10, 300, 200});
    const auto content = std::static_pointer_cast<ContentViewSC>(window->contentView());
    DialogCallbackSet(dialogCallback);
    UserActions::typeCharacter(window, U'k');
    UserActions::clickInView(content, {5, 5});
    EXPECT_TRUE(heard().empty());
    content->setSubclassFlag(true);
    CurrentOutputWindowTagSet(1);
    UserActions::typeCharacter(window, U'k');
    UserActions::clickInView(content, {5, 5});
    EXPECT_EQ(heardEvents(), (std::vector<std::int64_t>{ViewEvent::KeyDown, ViewEvent::KeyUp,
                                                        ViewEvent::MouseDown, ViewEvent::MouseUp}));
    EXPECT_EQ(heard()[0].tag, kContentViewTag);
    EXPECT_EQ(heard()[0].wndTag, 49);
    EXPECT_EQ(CurrentOutputWindowTag(), 49);
}

TEST_F(WindowEvents, TheContentViewOffersItsMenuForARightClickAndTheCallbackMayReplaceIt) {
    const auto content = openWindow(51, {10, 10, 300, 200})->contentView();
    const auto own = std::make_shared<platform::Menu>(text("Own"));
    const auto other = std::make_shared<platform::Menu>(text("Other"));
    content->setMenu(own);
    DialogCallbackSet(dialogCallback);
    Ref<platform::Menu> prepared;
    whileHeard() = [&] {
        prepared = DialogEventMenuObj();
        DialogEventSetMenuObj(other);
    };
    UserActions::rightClickInView(content, {5, 5});
    ASSERT_EQ(heardEvents(), std::vector<std::int64_t>{ViewEvent::MenuForEvent});
    EXPECT_EQ(heard()[0].tag, kContentViewTag);
    EXPECT_EQ(heard()[0].wndTag, 51);
    const auto event = std::dynamic_pointer_cast<platform::Event>(heard()[0].object);
    ASSERT_TRUE(event);
    EXPECT_EQ(event->type(), platform::EventType::RightMouseDown);
    EXPECT_EQ(prepared, own);
    EXPECT_EQ(content->menuForEvent(event), other);
}

TEST_F(WindowEvents, AWindowSCReportsKeysNoViewTookAndWhetherItMayBecomeKey) {
    WindowSubclassRequestSet(true);
    const auto window = openWindow(-50, {10, 10, 300, 200});
    DialogCallbackSet(dialogCallback);
    whileHeard() = [] {
        if (heard().back().event == WindowEvent::CanBecomeKey)
            DialogEventSetBoolVal(false);
    };
    EXPECT_FALSE(window->canBecomeKeyWindow());
    UserActions::typeCharacter(window, U'k');
    EXPECT_EQ(heardEvents(), (std::vector<std::int64_t>{WindowEvent::CanBecomeKey,
                                                        WindowEvent::KeyDown, WindowEvent::KeyUp}));
    EXPECT_EQ(heard()[1].tag, 50);
    EXPECT_TRUE(heard()[1].object);
}

// A window or panel from an interface file is named by the number in its identifier, sign and
// all.
TEST_F(WindowEvents, AWakingWindowSCOrPanelSCReportsTheNumberInItsIdentifier) {
    const Ref<platform::Window> windows[] = {
        std::make_shared<WindowSC>(Rect{10, 10, 200, 100}, platform::WindowStyleMask::Titled),
        std::make_shared<PanelSC>(Rect{10, 10, 200, 100}, platform::WindowStyleMask::Titled)};
    DialogCallbackSet(dialogCallback);
    for (const auto& window : windows) {
        window->setIdentifier(text("-12"));
        CurrentOutputWindowTagSet(0);
        heard().clear();
        window->awakeFromNib();
        EXPECT_EQ(heardText(), "dialog 10059 -12/-12\n") << window->className();
        EXPECT_EQ(heard().at(0).object, window);
        EXPECT_EQ(CurrentOutputWindowTag(), 12);
    }
}

} // namespace
