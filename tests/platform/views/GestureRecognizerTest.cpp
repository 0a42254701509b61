// Gesture recognizers on a view, driven by the mouse, by two fingers on a touch screen and by the
// touchpad's pinches and turns: the states each passes through, with its measure at each.

#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/View.h"
#include "platform/views/gestures/ClickGestureRecognizer.h"
#include "platform/views/gestures/MagnificationGestureRecognizer.h"
#include "platform/views/gestures/PanGestureRecognizer.h"
#include "platform/views/gestures/RotationGestureRecognizer.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

using namespace platform;
using platform::testing::UserActions;

namespace {

// A view that notes the presses and releases it still hears.
class PressedView : public View {
public:
    PressedView() : View({20, 20, 200, 150}) {}
    void mouseDown(const Ref<Event>&) override { heard += "down "; }
    void mouseUp(const Ref<Event>&) override { heard += "up "; }
    std::string heard;
};

// Notes each action as "<letter><state>:<measure>".
class Log : public Object {
public:
    void pan(const Ref<Object>& sender) {
        const auto pan = std::static_pointer_cast<PanGestureRecognizer>(sender);
        const Point moved = pan->translationInView();
        note("P", *pan, std::to_string(int(moved.x)) + "," + std::to_string(int(moved.y)));
    }
    void click(const Ref<Object>& sender) {
        note("C", static_cast<GestureRecognizer&>(*sender), "");
    }
    void magnify(const Ref<Object>& sender) {
        const auto& pinch = static_cast<MagnificationGestureRecognizer&>(*sender);
        note("M", pinch, std::to_string(std::lround(pinch.magnification() * 100)) + "%");
    }
    void rotate(const Ref<Object>& sender) {
        const auto& turn = static_cast<RotationGestureRecognizer&>(*sender);
        note("R", turn, std::to_string(std::lround(turn.rotationInDegrees())));
    }
    std::string text;

private:
    void note(const char* letter, const GestureRecognizer& r, const std::string& measure) {
        text += letter + std::to_string(static_cast<int>(r.state())) + ":" + measure + " ";
    }
};

struct Fixture {
    Fixture() {
        window = std::make_shared<Window>(Rect{50, 50, 300, 200}, WindowStyleMask::Titled);
        window->contentView()->addSubview(view);
        window->orderFront();
    }
    ~Fixture() { window->close(); }
    template <class R>
    Ref<R> add(void (Log::*method)(const Ref<Object>&)) {
        const auto recognizer = std::make_shared<R>(log, Selector("note:", method));
        recognizer->addToView(view);
        return recognizer;
    }
    Ref<Window> window;
    Ref<PressedView> view = std::make_shared<PressedView>();
    Ref<Log> log = std::make_shared<Log>();
};

TEST(Gestures, APanFollowsTheMouseDragWhileTheViewStillHearsIt) {
    Fixture f;
    const auto pan = f.add<PanGestureRecognizer>(&Log::pan);
    // The first move stays within a click's slop and begins nothing.
    UserActions::dragInView(f.view, {{10, 10}, {12, 10}, {30, 25}, {40, 50}});
    EXPECT_EQ(f.log->text, "P1:20,15 P2:30,40 P3:30,40 ");
    EXPECT_EQ(f.view->heard, "down up ");
    EXPECT_EQ(pan->locationInView(f.view.get()), (Point{40, 50}));
    EXPECT_EQ(pan->locationInView(nullptr), (Point{60, 70}));
    // The next drag starts again from Possible; one without movement is no pan.
    f.log->text.clear();
    UserActions::dragInView(f.view, {{10, 10}, {10, 0}});
    UserActions::clickInView(f.view, {5, 5});
    EXPECT_EQ(f.log->text, "P1:0,-10 P3:0,-10 ");
    pan->removeFromView();
    UserActions::dragInView(f.view, {{10, 10}, {50, 10}});
    EXPECT_EQ(f.log->text, "P1:0,-10 P3:0,-10 ");
    EXPECT_TRUE(GestureRecognizer::gestureRecognizersOfView(*f.view).empty());
}

TEST(Gestures, ClicksEndOnTheReleaseOfTheLastRequiredClick) {
    Fixture f;
    const auto single = f.add<ClickGestureRecognizer>(&Log::click);
    UserActions::clickInView(f.view, {30, 30});
    UserActions::dragInView(f.view, {{30, 30}, {60, 30}}); // too far for a click
    EXPECT_EQ(f.log->text, "C3: ");
    single->setNumberOfClicksRequired(2);
    UserActions::clickInView(f.view, {30, 30});
    EXPECT_EQ(f.log->text, "C3: ");
    UserActions::doubleClickInView(f.view, {30, 30});
    EXPECT_EQ(f.log->text, "C3: C3: ");
}

// Both two-finger recognizers on one view, the fingers first moving apart to twice their
// distance, then turning a quarter counterclockwise.
TEST(Gestures, TwoFingersDriveTheMagnificationAndRotationRecognizers) {
    struct Case {
        const char* name;
        std::function<void(const Ref<View>&)> fingers;
        const char* heard;
    };
    const Case cases[] = {
        {"touch screen",
         [](const Ref<View>& view) {
             UserActions::touchWithTwoFingers(
                 view, {{{50, 50}, {70, 50}}, {{40, 50}, {80, 50}}, {{60, 30}, {60, 70}}});
         },
         "M1:100% R1:90 M3:100% R3:90 "},
        {"touchpad",
         [](const Ref<View>& view) {
             UserActions::touchpadGesture(view, UserActions::TouchpadGesture::Pinch, {0.5, 0.5});
             UserActions::touchpadGesture(view, UserActions::TouchpadGesture::Turn, {-45, -45});
         },
         "M1:50% M2:100% M3:100% R1:45 R2:90 R3:90 "},
        {"a small pinch, then a touch that does not move",
         [](const Ref<View>& view) {
             UserActions::touchWithTwoFingers(view, {{{50, 50}, {70, 50}}, {{45, 50}, {75, 50}}});
             UserActions::touchWithTwoFingers(view, {{{50, 50}, {70, 50}}});
         },
         "M1:50% M3:50% "},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.add<MagnificationGestureRecognizer>(&Log::magnify);
        f.add<RotationGestureRecognizer>(&Log::rotate);
        c.fingers(f.view);
        EXPECT_EQ(f.log->text, c.heard) << c.name;
        EXPECT_EQ(f.view->heard, "") << c.name;
    }
}

} // namespace
