// The split view: dividers dragged with the mouse and kept where the delegate says, panes
// collapsing only where the delegate lets them, and the split view's own resizing taken by the
// panes with the lowest holding priority.

#include "platform/views/SplitView.h"
#include "platform/testing/UserActions.h"
#include "platform/views/SplitViewDelegate.h"
#include "platform/windows/Window.h"

#include <QApplication>
#include <gtest/gtest.h>

#include <string>

using namespace platform;
using platform::testing::UserActions;

namespace {

// A delegate with a minimum and a maximum for every divider, that lets the first pane collapse
// and keeps the last pane's size.
class Limits : public SplitViewDelegate {
public:
    double minimum = 0, maximum = 1e9;
    bool collapsible = false, keepLast = false;
    int resizes = 0;

    double splitViewConstrainMinCoordinate(const Ref<SplitView>&, double proposed,
                                           std::int64_t) override {
        return std::max(proposed, minimum);
    }
    double splitViewConstrainMaxCoordinate(const Ref<SplitView>&, double proposed,
                                           std::int64_t) override {
        return std::min(proposed, maximum);
    }
    bool splitViewCanCollapseSubview(const Ref<SplitView>& split, const Ref<View>& v) override {
        return collapsible && v == split->subviews().front();
    }
    bool splitViewShouldAdjustSizeOfSubview(const Ref<SplitView>& split,
                                            const Ref<View>& v) override {
        return !(keepLast && v == split->subviews().back());
    }
    void splitViewDidResizeSubviews(const Ref<SplitView>&) override { ++resizes; }
};

// Three panes across a 306-point square window, each 96 long between two thick dividers of 9.
struct Panes {
    Ref<Window> window = std::make_shared<Window>(
        Rect(9, 9, 306, 306), WindowStyleMask::Titled | WindowStyleMask::Resizable);
    Ref<SplitView> split = std::make_shared<SplitView>(Rect(0, 0, 306, 306));
    std::shared_ptr<Limits> limits = std::make_shared<Limits>();

    Panes(bool vertical, bool delegate) {
        split->setVertical(vertical);
        split->setAutoresizingMask(AutoresizingMask::WidthSizable |
                                   AutoresizingMask::HeightSizable);
        for (int i = 0; i < 3; ++i)
            split->addSubview(std::make_shared<View>());
        split->adjustSubviews();
        window->contentView()->addSubview(split);
        if (delegate)
            split->setDelegate(limits);
        window->makeKeyAndOrderFront();
        QApplication::processEvents();
    }
    ~Panes() { window->close(); }

    // The panes' lengths along the split, a collapsed one as "-".
    std::string lengths() const {
        std::string text;
        for (const auto& pane : split->subviews()) {
            const Size size = pane->frame().size;
            const double length = split->isVertical() ? size.width : size.height;
            text += pane->isHidden() ? "- " : std::to_string(static_cast<int>(length)) + " ";
        }
        return text;
    }
};

TEST(SplitViewTest, DraggingADividerKeepsItWhereTheDelegateLetsIt) {
    struct Case {
        const char* name;
        bool vertical, delegate, collapsible;
        double minimum;
        // Along the split from the first divider's middle.
        double by;
        const char* lengths;
    };
    const Case cases[] = {
        {"no delegate, across", true, false, false, 0, 40, "136 56 96 "},
        {"no delegate, down", false, false, false, 0, -30, "66 126 96 "},
        {"no delegate, against the next divider", true, false, false, 0, 200, "192 0 96 "},
        {"kept at the minimum", true, true, false, 80, -60, "80 112 96 "},
        {"not collapsed before half the minimum", true, true, true, 80, -50, "80 112 96 "},
        {"collapsed past half the minimum", true, true, true, 80, -70, "- 192 96 "},
    };
    for (const Case& c : cases) {
        Panes panes(c.vertical, c.delegate);
        panes.limits->minimum = c.minimum;
        panes.limits->collapsible = c.collapsible;
        const Rect divider = panes.split->dividerRectAtIndex(0);
        const Point from{divider.midX(), divider.midY()};
        const Point to = c.vertical ? Point{from.x + c.by, from.y} : Point{from.x, from.y + c.by};
        UserActions::dragInView(panes.split, {from, to});
        EXPECT_EQ(panes.lengths(), c.lengths) << c.name;
        EXPECT_EQ(panes.limits->resizes > 0, c.delegate) << c.name;
    }
}

TEST(SplitViewTest, AThinDividerIsTakenBesideItsLineAndAPressOnAPaneMovesNothing) {
    Panes panes(true, false);
    panes.split->setDividerStyle(SplitViewDividerStyle::Thin);
    const double line = panes.split->positionOfDividerAtIndex(0);
    UserActions::dragInView(panes.split, {{line + 2, 50}, {line + 22, 50}});
    UserActions::dragInView(panes.split, {{line - 60, 50}, {line - 20, 50}});
    EXPECT_EQ(panes.lengths(), "121 81 101 ");
}

TEST(SplitViewTest, ResizingGoesToTheLowestHoldingPriorityAndThePanesTheDelegateAdjusts) {
    struct Case {
        const char* name;
        float lastPriority;
        bool keepLast;
        const char* lengths;
    };
    const Case cases[] = {
        {"in proportion", SplitView::kDefaultHoldingPriority, false, "128 128 128 "},
        {"the last holds less", 200, false, "96 96 192 "},
        {"the last is kept", SplitView::kDefaultHoldingPriority, true, "144 144 96 "},
    };
    for (const Case& c : cases) {
        Panes panes(true, true);
        panes.split->setHoldingPriorityForSubviewAtIndex(c.lastPriority, 2);
        panes.limits->keepLast = c.keepLast;
        UserActions::resizeContentTo(panes.window, {402, 306});
        EXPECT_EQ(panes.lengths(), c.lengths) << c.name;
    }
}

} // namespace
