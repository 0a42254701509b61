// Dragging destinations, tracking areas, tool tip rectangles and file types, driven by the toolkit
// events the desktop sends.

#include "platform/app/Application.h"
#include "platform/app/DraggingInfo.h"
#include "platform/app/Pasteboard.h"
#include "platform/app/Workspace.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/Array.h"
#include "platform/foundation/String.h"
#include "platform/testing/UserActions.h"
#include "platform/views/ToolTipOwner.h"
#include "platform/views/TrackingArea.h"
#include "platform/views/View.h"
#include "platform/windows/Window.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace platform;
using platform::testing::UserActions;

namespace {

Ref<Array> filenamesType() {
    return Array::arrayWithObjects({String::fromUtf8(FilenamesPboardType)});
}

// A view that accepts what it is told to and notes what it hears.
class DropView : public View {
public:
    DropView() : View({0, 0, 100, 100}) {}
    std::uint64_t draggingEntered(const Ref<DraggingInfo>& info) override {
        heard.push_back("entered");
        const auto paths =
            std::dynamic_pointer_cast<Array>(info->draggingPasteboard()->propertyListForType(
                *String::fromUtf8(FilenamesPboardType)));
        files = paths ? paths->count() : 0;
        location = info->draggingLocation();
        return answer;
    }
    void draggingExited(const Ref<DraggingInfo>&) override { heard.push_back("exited"); }
    bool performDragOperation(const Ref<DraggingInfo>&) override {
        heard.push_back("perform");
        return true;
    }
    void concludeDragOperation(const Ref<DraggingInfo>&) override { heard.push_back("conclude"); }
    void draggingEnded(const Ref<DraggingInfo>&) override { heard.push_back("ended"); }

    std::uint64_t answer = DragOperation::Copy;
    std::vector<std::string> heard;
    std::size_t files = 0;
    Point location;
};

struct Fixture {
    Fixture() {
        window = std::make_shared<Window>(Rect{50, 50, 200, 200}, WindowStyleMask::Titled);
        view = std::make_shared<DropView>();
        window->contentView()->addSubview(view);
        window->orderFront();
    }
    ~Fixture() { window->close(); }
    Ref<Window> window;
    Ref<DropView> view;
};

// A registered view hears the whole drop with the files and where, or its leaving; one that
// refuses hears only the entry, and an unregistered one nothing.
TEST(Drops, AViewHearsTheDropsStepsWhenRegisteredForTheType) {
    Fixture f;
    EXPECT_FALSE(UserActions::dragFiles(f.view, {"/tmp/a.txt"}, UserActions::DragEnd::Drop));
    EXPECT_TRUE(f.view->heard.empty());
    f.view->registerForDraggedTypes(filenamesType());
    EXPECT_TRUE(
        UserActions::dragFiles(f.view, {"/tmp/a.txt", "/tmp/b.txt"}, UserActions::DragEnd::Drop));
    EXPECT_EQ(f.view->heard, (std::vector<std::string>{"entered", "perform", "conclude", "ended"}));
    EXPECT_EQ(f.view->files, 2u);
    EXPECT_EQ(f.view->location, (Point{50, 50}));
    f.view->heard.clear();
    EXPECT_TRUE(UserActions::dragFiles(f.view, {"/tmp/a.txt"}, UserActions::DragEnd::LeaveAgain));
    EXPECT_EQ(f.view->heard, (std::vector<std::string>{"entered", "exited", "ended"}));
    f.view->heard.clear();
    f.view->answer = DragOperation::None;
    EXPECT_FALSE(UserActions::dragFiles(f.view, {"/tmp/a.txt"}, UserActions::DragEnd::Drop));
    EXPECT_EQ(f.view->heard, std::vector<std::string>{"entered"});
}

// File types are MIME types; conforming is inheriting.
TEST(FileTypes, AreMimeTypesAndConformIsInheritance) {
    const std::tuple<const char*, const char*, bool> cases[] = {
        {"/tmp/a.txt", "text/plain", true},
        {"/tmp/a.csv", "text/plain", true},
        {"/tmp/a.png", "text/plain", false},
        {"/tmp/a.png", "image/png", true},
        {"/tmp/a.png", "application/octet-stream", true},
    };
    const auto workspace = Workspace::sharedWorkspace();
    for (const auto& [file, conformsTo, conforms] : cases) {
        const auto type = workspace->typeOfFile(*String::fromUtf8(file));
        ASSERT_TRUE(type);
        EXPECT_EQ(workspace->typeConformsToType(*type, *String::fromUtf8(conformsTo)), conforms)
            << type->utf8() << " to " << conformsTo;
    }
}

TEST(TrackingAreas, AViewAsksForMouseMovesOnlyWhileAnAreaWantsThem) {
    Fixture f;
    QWidget* widget = f.view->peer().widget;
    const auto enterExit = std::make_shared<TrackingArea>(
        f.view->bounds(), TrackingAreaOptions::MouseEnteredAndExited, f.view);
    f.view->addTrackingArea(enterExit);
    EXPECT_FALSE(widget->hasMouseTracking());
    const auto moves = std::make_shared<TrackingArea>(
        f.view->bounds(), TrackingAreaOptions::MouseMoved | TrackingAreaOptions::ActiveAlways,
        f.view);
    f.view->addTrackingArea(moves);
    EXPECT_TRUE(widget->hasMouseTracking());
    EXPECT_EQ(f.view->trackingAreas().size(), 2u);
    f.view->removeTrackingArea(moves);
    EXPECT_FALSE(widget->hasMouseTracking());
}

// A view hears that its tracking areas need updating when its size changes, not when it moves.
TEST(TrackingAreas, AreUpdatedWhenTheViewsSizeChanges) {
    struct Counting : View {
        using View::View;
        void updateTrackingAreas() override { ++updates; }
        int updates = 0;
    };
    Counting view(Rect{0, 0, 50, 50});
    view.setFrameOrigin({10, 10});
    view.setFrameSize({60, 50});
    EXPECT_EQ(view.updates, 1);
}

// The latest rectangle holding the point writes the tip; a rectangle holds its lower edges but
// not its upper ones, and the view's own tip answers elsewhere.
TEST(ToolTips, TheLatestRectangleHoldingThePointWritesTheTip) {
    struct Owner : ToolTipOwner {
        Ref<String> stringForToolTip(View&, std::int64_t tag, Point, void*) override {
            return String::fromUtf8("tip" + std::to_string(tag));
        }
    };
    const auto owner = std::make_shared<Owner>();
    View view(Rect{0, 0, 100, 100});
    view.setToolTip(String::fromUtf8("own"));
    view.addToolTipRect({10, 10, 40, 40}, owner, nullptr);
    const auto high = view.addToolTipRect({30, 30, 40, 40}, owner, nullptr);
    std::string tips;
    for (const Point point :
         {Point{10, 10}, Point{49, 49}, Point{50, 20}, Point{20, 50}, Point{35, 35}})
        tips += view.toolTipAtPoint(point)->utf8() + " ";
    view.removeToolTip(high);
    tips += view.toolTipAtPoint({35, 35})->utf8();
    EXPECT_EQ(tips, "tip1 tip2 own own tip2 tip1");
}

} // namespace
