// The path control on its toolkit widgets: clicks on its components, the pop-up style's list
// and files dropped on it, with what its delegate is asked and how often it sends its action.

#include "platform/views/controls/PathControl.h"
#include "platform/app/DraggingInfo.h"
#include "platform/detail/ViewPeer.h"
#include "platform/foundation/String.h"
#include "platform/foundation/URL.h"
#include "platform/testing/ToolkitInput.h"
#include "platform/testing/UserActions.h"
#include "platform/views/controls/PathControlDelegate.h"
#include "platform/windows/Menu.h"
#include "platform/windows/Window.h"

#include <QToolButton>
#include <gtest/gtest.h>

#include <string>

using namespace platform;
using platform::testing::UserActions;

namespace {

class Recorder : public Object, public PathControlDelegate {
public:
    void act(const Ref<Object>&) { heard += "action "; }
    void twice(const Ref<Object>&) { heard += "double "; }
    std::uint64_t pathControlValidateDrop(const Ref<PathControl>&,
                                          const Ref<DraggingInfo>&) override {
        heard += "validate ";
        return dropOperation;
    }
    bool pathControlAcceptDrop(const Ref<PathControl>&, const Ref<DraggingInfo>&) override {
        heard += "accept ";
        return acceptDrop;
    }
    void pathControlWillPopUpMenu(const Ref<PathControl>&, const Ref<Menu>& menu) override {
        heard += "menu" + std::to_string(menu->numberOfItems()) + " ";
    }

    std::string heard;
    std::uint64_t dropOperation = DragOperation::Copy;
    bool acceptDrop = true;
};

struct Fixture {
    explicit Fixture(PathStyle style) {
        window = std::make_shared<Window>(Rect{50, 50, 400, 100}, WindowStyleMask::Titled);
        path = std::make_shared<PathControl>(Rect{10, 30, 380, 30});
        path->setPathStyle(style);
        path->setURL(URL::fileURLWithPath(*String::fromUtf8("/usr/share/doc")));
        path->setTarget(recorder);
        path->setAction(Selector("act:", &Recorder::act));
        path->setDoubleAction(Selector("twice:", &Recorder::twice));
        path->setDelegate(recorder);
        window->contentView()->addSubview(path);
        window->orderFront();
    }
    ~Fixture() { window->close(); }

    // The middle of the button showing the component, in the control's coordinates.
    Point componentAt(const char* title) const {
        for (auto* button : path->peer().widget->findChildren<QToolButton*>())
            if (button->text() == QString::fromUtf8(title)) {
                const QPoint centre = button->geometry().center();
                return {static_cast<double>(centre.x()), path->bounds().maxY() - centre.y()};
            }
        ADD_FAILURE() << "no component " << title;
        return {};
    }
    std::string clicked() const {
        const auto item = path->clickedPathItem();
        return item ? item->URL()->path()->utf8() : "none";
    }
    std::string titles() const {
        std::string out;
        for (const auto& item : path->pathItems())
            out += item->title()->utf8() + "|";
        return out;
    }

    Ref<Window> window;
    Ref<PathControl> path;
    Ref<Recorder> recorder = std::make_shared<Recorder>();
};

TEST(PathControl, ClickingAComponentMakesItTheClickedItem) {
    Fixture f(PathStyle::Standard);
    EXPECT_EQ(f.titles(), "/|usr|share|doc|");
    UserActions::clickInView(f.path, f.componentAt("share"));
    EXPECT_EQ(f.recorder->heard + f.clicked(), "action /usr/share");
    UserActions::doubleClickInView(f.path, f.componentAt("usr"));
    EXPECT_EQ(f.recorder->heard + f.clicked(), "action action double /usr");
    // The program's URL sends nothing and forgets the clicked item.
    f.path->setURL(URL::fileURLWithPath(*String::fromUtf8("/tmp")));
    EXPECT_EQ(f.titles() + f.clicked(), "/|tmp|none");
}

TEST(PathControl, ThePopUpStyleListsTheComponentsAndChoose) {
    Fixture f(PathStyle::PopUp);
    UserActions::clickInView(f.path, f.componentAt("doc"));
    // Four components, a separator and "Choose…".
    ASSERT_EQ(f.recorder->heard, "menu6 ");
    EXPECT_TRUE(UserActions::chooseInShownMenu({"usr"}));
    EXPECT_EQ(f.recorder->heard + f.clicked(), "menu6 action /usr");
}

// Files dropped on the control, with the delegate's answers: what it heard and the URL after.
TEST(PathControl, DroppedFilesBecomeTheURLWhenTheDelegateAgrees) {
    struct Case {
        const char* name;
        std::uint64_t operation;
        bool accept;
        bool entered;
        const char* outcome;
    };
    const Case cases[] = {
        {"taken", DragOperation::Copy, true, true, "validate accept action /tmp/a.txt"},
        {"refused on drop", DragOperation::Copy, false, true, "validate accept /usr/share/doc"},
        {"refused on entry", DragOperation::None, true, false, "validate /usr/share/doc"},
    };
    for (const Case& c : cases) {
        Fixture f(PathStyle::Standard);
        f.recorder->dropOperation = c.operation;
        f.recorder->acceptDrop = c.accept;
        EXPECT_EQ(UserActions::dragFiles(f.path, {"/tmp/a.txt", "/tmp/b.txt"},
                                         UserActions::DragEnd::Drop),
                  c.entered)
            << c.name;
        EXPECT_EQ(f.recorder->heard + f.path->URL()->path()->utf8(), c.outcome) << c.name;
    }
}

} // namespace
