// Window events: the delegate's table of events, its defaults, its receivers, and the events the
// user causes with the window's close button, its edges, the keyboard and the mouse.

#include "ShellTesting.h"

#include "runtime/shell/Additions.h"
#include "runtime/shell/CUI_DialogEvent.h"
#include "runtime/shell/ContentViewSC.h"
#include "runtime/shell/EventCodes.h"
#include "runtime/shell/WindowSC.h"

#include "platform/app/Event.h"
#include "platform/foundation/Notification.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/TrackingArea.h"
#include "platform/windows/Menu.h"

#include <functional>
#include <optional>
#include <ostream>

using namespace shelltest;
using platform::Rect;
using platform::Ref;
using platform::Size;
using platform::String;
using platform::testing::UserActions;

namespace {

using Delegate = CUI_WindowDelegate;
using Answer = std::optional<std::int64_t>;

Ref<platform::Notification> noteFor(const Ref<platform::Window>& window) {
    return std::make_shared<platform::Notification>(String::fromUtf8("N"), window);
}

// One window event: how the platform raises it, whether it moves the current output window, and
// the answer with no receiver (the proposed values are 7 wide and 9 high, options 5).
struct WindowEventCase {
    const char* name;
    std::int64_t code;
    bool setsCurrentWindow;
    std::function<Answer(Delegate&, const Ref<platform::Window>&)> raise;
    Answer defaultAnswer;
};

// Names the case in test listings.
void PrintTo(const WindowEventCase& row, std::ostream* out) {
    *out << row.name;
}

std::function<Answer(Delegate&, const Ref<platform::Window>&)>
notice(void (Delegate::*method)(const Ref<platform::Notification>&)) {
    return [method](Delegate& d, const Ref<platform::Window>& w) -> Answer {
        (d.*method)(noteFor(w));
        return std::nullopt;
    };
}

std::vector<WindowEventCase> windowEventCases() {
    using W = const Ref<platform::Window>&;
    return {
        {"WillPositionSheet", 10000, false,
         [](Delegate& d, W w) -> Answer {
             return static_cast<std::int64_t>(
                 d.windowWillPositionSheetUsingRect(w, nullptr, {1, 2, 7, 9}).width());
         },
         7},
        {"WillBeginSheet", 10001, true, notice(&Delegate::windowWillBeginSheet), std::nullopt},
        {"DidEndSheet", 10002, true, notice(&Delegate::windowDidEndSheet), std::nullopt},
        {"WillResize", 10003, true,
         [](Delegate& d, W w) -> Answer {
             return static_cast<std::int64_t>(d.windowWillResizeToSize(w, {7, 9}).height);
         },
         9},
        {"DidResize", 10004, false, notice(&Delegate::windowDidResize), std::nullopt},
        {"WillStartLiveResize", 10005, false, notice(&Delegate::windowWillStartLiveResize),
         std::nullopt},
        {"DidEndLiveResize", 10006, true, notice(&Delegate::windowDidEndLiveResize), std::nullopt},
        {"WillMiniaturize", 10007, false, notice(&Delegate::windowWillMiniaturize), std::nullopt},
        {"DidMiniaturize", 10008, false, notice(&Delegate::windowDidMiniaturize), std::nullopt},
        {"DidDeminiaturize", 10009, true, notice(&Delegate::windowDidDeminiaturize), std::nullopt},
        {"WillUseStandardFrame", 10010, false,
         [](Delegate& d, W w) -> Answer {
             return static_cast<std::int64_t>(
                 d.windowWillUseStandardFrameDefaultFrame(w, {0, 0, 7, 9}).height());
         },
         9},
        {"ShouldZoom", 10011, false,
         [](Delegate& d, W w) -> Answer {
             return d.windowShouldZoomToFrame(w, {0, 0, 7, 9});
         },
         1},
        {"WillUseFullScreenContentSize", 10012, false,
         [](Delegate& d, W w) -> Answer {
             return static_cast<std::int64_t>(
                 d.windowWillUseFullScreenContentSize(w, {7, 9}).width);
         },
         7},
        {"WillUseFullScreenPresentationOptions", 10013, false,
         [](Delegate& d, W w) -> Answer {
             return static_cast<std::int64_t>(d.windowWillUseFullScreenPresentationOptions(w, 5));
         },
         5},
        {"WillEnterFullScreen", 10014, false, notice(&Delegate::windowWillEnterFullScreen),
         std::nullopt},
        {"DidEnterFullScreen", 10015, true, notice(&Delegate::windowDidEnterFullScreen),
         std::nullopt},
        {"WillExitFullScreen", 10016, false, notice(&Delegate::windowWillExitFullScreen),
         std::nullopt},
        {"DidExitFullScreen", 10017, true, notice(&Delegate::windowDidExitFullScreen),
         std::nullopt},
        {"DidFailToEnterFullScreen", 10022, false,
         [](Delegate& d, W w) -> Answer {
             d.windowDidFailToEnterFullScreen(w);
             return std::nullopt;
         },
         std::nullopt},
        {"DidFailToExitFullScreen", 10025, false,
         [](Delegate& d, W w) -> Answer {
             d.windowDidFailToExitFullScreen(w);
             return std::nullopt;
         },
         std::nullopt},
        {"WillMove", 10026, true, notice(&Delegate::windowWillMove), std::nullopt},
        {"DidMove", 10027, true, notice(&Delegate::windowDidMove), std::nullopt},
        {"DidChangeScreen", 10028, true, notice(&Delegate::windowDidChangeScreen), std::nullopt},
        {"ShouldClose", 10031, false,
         [](Delegate& d, W w) -> Answer { return d.windowShouldClose(w); }, 1},
        {"DidBecomeKey", 10033, true, notice(&Delegate::windowDidBecomeKey), std::nullopt},
        {"DidResignKey", 10034, false, notice(&Delegate::windowDidResignKey), std::nullopt},
        {"DidBecomeMain", 10035, true, notice(&Delegate::windowDidBecomeMain), std::nullopt},
        {"DidResignMain", 10036, false, notice(&Delegate::windowDidResignMain), std::nullopt},
        {"DidUpdate", 10037, false, notice(&Delegate::windowDidUpdate), std::nullopt},
        {"ShouldPopUpDocumentPathMenu", 10038, false,
         [](Delegate& d, W w) -> Answer { return d.windowShouldPopUpDocumentPathMenu(w, nullptr); },
         1},
    };
}

class WindowEvents : public ShellTest, public ::testing::WithParamInterface<WindowEventCase> {
protected:
    Ref<platform::Window> hiddenWindow() {
        WindowOpen(-42, nullptr, kParamNotGiven, {});
        CurrentOutputWindowTagSet(1);
        heard().clear();
        return WindowWithTag(42);
    }
};

// With no receiver the proposed answer comes back and only some events make their window the
// current output window; the dialog callback gets the code and the window's tag and may change
// the answer.
TEST_P(WindowEvents, ReachTheDialogCallbackWhichMayChangeTheAnswer) {
    const WindowEventCase& row = GetParam();
    const auto window = hiddenWindow();
    EXPECT_EQ(row.raise(*CUI_WindowDelegate::shared(), window), row.defaultAnswer);
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(CurrentOutputWindowTag(), row.setsCurrentWindow ? 42 : 1);

    DialogCallbackSet(dialogCallback);
    whileHeard() = [] {
        DialogEventSetBoolVal(false);
        DialogEventSetSizeVal({70, 90});
        DialogEventSetRectVal({0, 0, 70, 90});
        DialogEventSetLongVal(50);
    };
    const Answer answer = row.raise(*CUI_WindowDelegate::shared(), window);
    ASSERT_EQ(heard().size(), 1u);
    EXPECT_EQ(heard()[0].event, row.code);
    EXPECT_EQ(heard()[0].tag, 42);
    EXPECT_EQ(heard()[0].wndTag, 42);
    if (row.defaultAnswer) {
        EXPECT_NE(answer, row.defaultAnswer);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, WindowEvents, ::testing::ValuesIn(windowEventCases()),
                         [](const auto& row) { return std::string(row.param.name); });

using UserEvents = ShellTest;

// The window's own callback comes before the callback for all windows, which comes before the
// dialog callback; exactly one hears the event.
TEST_F(UserEvents, ExactlyOneReceiverHearsAWindowEventInOrderOfPrecedence) {
    WindowOpen(-43, nullptr, kParamNotGiven, {});
    const auto window = WindowWithTag(43);
    int data = 0;
    WindowCallbackSet(43, windowCallback, &data);
    AllWindowsCallbackSet(allWindowsCallback);
    DialogCallbackSet(dialogCallback);
    heard().clear();
    CUI_WindowDelegate::shared()->windowDidMove(noteFor(window));
    WindowCallbackSet(43, nullptr, nullptr);
    CUI_WindowDelegate::shared()->windowDidMove(noteFor(window));
    AllWindowsCallbackSet(nullptr);
    CUI_WindowDelegate::shared()->windowDidMove(noteFor(window));
    ASSERT_EQ(heard().size(), 3u);
    const Receiver order[] = {Receiver::Window, Receiver::AllWindows, Receiver::Dialog};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(heard()[i].receiver, order[i]);
        EXPECT_EQ(heard()[i].event, WindowEvent::DidMove);
        EXPECT_EQ(heard()[i].wndTag, 43);
        EXPECT_EQ(heard()[i].userData, i == 0 ? &data : nullptr);
    }
}

std::vector<std::int64_t> heardEvents() {
    std::vector<std::int64_t> events;
    for (const auto& call : heard())
        events.push_back(call.event);
    return events;
}

TEST_F(UserEvents, TheCloseButtonAsksThenClosesAndTheWindowLeavesTheListUnlessAnsweredNo) {
    WindowOpen(44, nullptr, kParamNotGiven, {});
    const auto window = WindowWithTag(44);
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

TEST_F(UserEvents, ResizingAsksForTheSizeWhichTheCallbackMayChangeAndTellsOfIt) {
    WindowOpen(46, nullptr, kParamNotGiven, {10, 10, 300, 200});
    const auto window = WindowWithTag(46);
    DialogCallbackSet(dialogCallback);
    heard().clear();
    UserActions::resizeContentTo(window, {320, 240});
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()).size, (Size{320, 240}));
    // The top edge stays, so the origin moves as well; the content view redoes its cursor
    // rectangles for its new size.
    EXPECT_EQ(heardEvents(),
              (std::vector<std::int64_t>{WindowEvent::WillResize, WindowEvent::WillMove,
                                         ViewEvent::ResetCursorRects, WindowEvent::DidResize,
                                         WindowEvent::DidMove}));
    // The answer is a frame size: the content's with the title bar and any menu bar.
    whileHeard() = [window] {
        if (heard().back().event == WindowEvent::WillResize)
            DialogEventSetSizeVal(window->frameRectForContentRect({0, 0, 400, 300}).size);
    };
    UserActions::resizeContentTo(window, {300, 200});
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()).size, (Size{400, 300}));
}

TEST_F(UserEvents, TheContentViewTracksTheMouseOverItsWholeBoundsAfterAResize) {
    WindowOpen(52, nullptr, kParamNotGiven, {10, 10, 300, 200});
    const auto window = WindowWithTag(52);
    const auto content = window->contentView();
    ASSERT_FALSE(content->trackingAreas().empty());
    EXPECT_EQ(content->trackingAreas().front()->options(), 131u);
    UserActions::resizeContentTo(window, {320, 240});
    EXPECT_EQ(content->trackingAreas().front()->rect(), (Rect{0, 0, 320, 240}));
    EXPECT_EQ(content->trackingAreas().front()->options(), 131u);
    EXPECT_EQ(content->trackingAreas().front()->owner(), content);
}

TEST_F(UserEvents, MovingTellsOfTheMoveAndMakesTheWindowCurrent) {
    WindowOpen(48, nullptr, kParamNotGiven, {10, 10, 300, 200});
    const auto window = WindowWithTag(48);
    DialogCallbackSet(dialogCallback);
    CurrentOutputWindowTagSet(1);
    heard().clear();
    UserActions::moveFrameTo(window, {60, 80});
    EXPECT_EQ(window->frame().origin, (platform::Point{60, 80}));
    EXPECT_EQ(heardEvents(),
              (std::vector<std::int64_t>{WindowEvent::WillMove, WindowEvent::DidMove}));
    EXPECT_EQ(CurrentOutputWindowTag(), 48);
}

TEST_F(UserEvents, TheContentViewLeavesKeysAndClicksToThePlatformUntilAskedToReportThem) {
    WindowOpen(49, nullptr, kParamNotGiven, {10, 10, 300, 200});
    const auto window = WindowWithTag(49);
    const auto content = std::static_pointer_cast<ContentViewSC>(window->contentView());
    DialogCallbackSet(dialogCallback);
    heard().clear();
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

TEST_F(UserEvents, TheContentViewOffersItsMenuForARightClickAndTheCallbackMayReplaceIt) {
    WindowOpen(51, nullptr, kParamNotGiven, {10, 10, 300, 200});
    const auto window = WindowWithTag(51);
    const auto content = window->contentView();
    const auto own = std::make_shared<platform::Menu>(String::fromUtf8("Own"));
    const auto other = std::make_shared<platform::Menu>(String::fromUtf8("Other"));
    content->setMenu(own);
    DialogCallbackSet(dialogCallback);
    Ref<platform::Menu> prepared;
    whileHeard() = [&] {
        prepared = DialogEventMenuObj();
        DialogEventSetMenuObj(other);
    };
    heard().clear();
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

TEST_F(UserEvents, AWindowSCReportsKeysNoViewTookAndWhetherItMayBecomeKey) {
    WindowSubclassRequestSet(true);
    WindowOpen(-50, nullptr, kParamNotGiven, {10, 10, 300, 200});
    const auto window = WindowWithTag(50);
    DialogCallbackSet(dialogCallback);
    whileHeard() = [] {
        if (heard().back().event == WindowEvent::CanBecomeKey)
            DialogEventSetBoolVal(false);
    };
    heard().clear();
    EXPECT_FALSE(window->canBecomeKeyWindow());
    UserActions::typeCharacter(window, U'k');
    EXPECT_EQ(heardEvents(), (std::vector<std::int64_t>{WindowEvent::CanBecomeKey,
                                                        WindowEvent::KeyDown, WindowEvent::KeyUp}));
    EXPECT_EQ(heard()[1].tag, 50);
    EXPECT_TRUE(heard()[1].object);
}

} // namespace
