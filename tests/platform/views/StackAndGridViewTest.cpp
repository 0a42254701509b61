// Stack and grid views place their views in frames: a stack by its areas, spacing and
// alignment, taking hidden views out and back in and telling its delegate; a grid by the sizes
// of its rows and columns, the placements, merged cells and hidden rows and columns.

#include "platform/views/GridView.h"
#include "platform/views/StackView.h"
#include "platform/views/StackViewDelegate.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace platform;

namespace {

// Each view's frame as "x,y,w,h", or "-" for one that is not a subview of the container.
std::string frames(const View& container, const std::vector<Ref<View>>& views) {
    std::string text;
    for (const auto& view : views) {
        const Rect f = view->frame();
        text += view->superview().get() != &container
                    ? "- "
                    : std::to_string(int(f.minX())) + "," + std::to_string(int(f.minY())) + "," +
                          std::to_string(int(f.width())) + "," + std::to_string(int(f.height())) +
                          " ";
    }
    return text;
}

std::vector<Ref<View>> viewsOfSizes(const std::vector<Size>& sizes) {
    std::vector<Ref<View>> views;
    for (const Size size : sizes)
        views.push_back(std::make_shared<View>(Rect({0, 0}, size)));
    return views;
}

class Detaching : public StackViewDelegate {
public:
    void stackViewWillDetachViews(const Ref<StackView>&, const std::vector<Ref<View>>& v) override {
        heard += "detach " + std::to_string(v.size()) + " ";
    }
    void stackViewDidReattachViews(const Ref<StackView>&,
                                   const std::vector<Ref<View>>& v) override {
        heard += "reattach " + std::to_string(v.size()) + " ";
    }
    std::string heard;
};

// Two views in the top area and one in the bottom area of a 300-point square stack, 8 apart.
TEST(StackViewTest, ViewsStandByAreaSpacingAndAlignmentAndHiddenOnesAreDetached) {
    using O = UserInterfaceLayoutOrientation;
    struct Case {
        const char* name;
        O orientation;
        LayoutAttribute alignment;
        bool detaches;
        std::function<void(StackView&, const std::vector<Ref<View>>&)> act;
        const char* outcome;
    };
    const auto nothing = [](StackView&, const std::vector<Ref<View>>&) {};
    const auto hideFirst = [](StackView&, const std::vector<Ref<View>>& v) {
        v[0]->setHidden(true);
    };
    const Case cases[] = {
        {"across, centred", O::Horizontal, LayoutAttribute::CenterY, true, nothing,
         "0,140,50,20 58,140,40,20 270,140,30,20 "},
        {"down, trailing", O::Vertical, LayoutAttribute::Trailing, true, nothing,
         "250,0,50,20 260,28,40,20 270,280,30,20 "},
        {"hidden detached", O::Horizontal, LayoutAttribute::Top, true, hideFirst,
         "- 0,0,40,20 270,0,30,20 detach 1 "},
        {"hidden kept in place", O::Horizontal, LayoutAttribute::Height, false, hideFirst,
         "0,0,50,300 58,0,40,300 270,0,30,300 "},
        {"shown again", O::Horizontal, LayoutAttribute::Top, true,
         [](StackView&, const std::vector<Ref<View>>& v) {
             v[1]->setHidden(true);
             v[1]->setHidden(false);
         },
         "0,0,50,20 58,0,40,20 270,0,30,20 detach 1 reattach 1 "},
        {"moved to the centre", O::Horizontal, LayoutAttribute::Bottom, true,
         [](StackView& s, const std::vector<Ref<View>>& v) {
             s.addViewInGravity(v[0], StackViewGravity::Center);
         },
         "125,280,50,20 0,280,40,20 270,280,30,20 "},
    };
    for (const Case& c : cases) {
        auto stack = std::make_shared<StackView>(Rect(0, 0, 300, 300));
        auto delegate = std::make_shared<Detaching>();
        stack->setDelegate(delegate);
        stack->setOrientation(c.orientation);
        stack->setAlignment(c.alignment);
        stack->setDetachesHiddenViews(c.detaches);
        const auto views = viewsOfSizes({{50, 20}, {40, 20}, {30, 20}});
        stack->addViewInGravity(views[0], StackViewGravity::Top);
        stack->addViewInGravity(views[1], StackViewGravity::Top);
        stack->addViewInGravity(views[2], StackViewGravity::Bottom);
        c.act(*stack, views);
        EXPECT_EQ(frames(*stack, views) + delegate->heard, c.outcome) << c.name;
        EXPECT_EQ(stack->views().size(), 3u) << c.name;
    }
}

// Three rows of two cells, one of them empty: columns 40 and 60 wide, rows 20, 30 and 20 tall,
// 6 apart.
TEST(GridViewTest, CellsPlaceTheirContentWhereRowsAndColumnsMeet) {
    struct Case {
        const char* name;
        std::function<void(GridView&)> act;
        const char* outcome;
    };
    const Case cases[] = {
        {"at the top left of each cell", [](GridView&) {},
         "0,0,40,20 46,0,60,10 0,26,30,30 0,62,10,10 46,62,20,20 "},
        {"placements of a column, a row and a cell",
         [](GridView& g) {
             g.columnAtIndex(1)->setXPlacement(GridCellPlacement::Trailing);
             g.rowAtIndex(2)->setYPlacement(GridCellPlacement::Center);
             g.cellAtColumnIndexRowIndex(1, 2)->setYPlacement(GridCellPlacement::Fill);
         },
         "0,0,40,20 46,0,60,10 0,26,30,30 0,67,10,10 86,62,20,20 "},
        {"a merged row centres across both columns",
         [](GridView& g) {
             g.mergeCellsInRanges({0, 2}, {1, 1});
             g.cellAtColumnIndexRowIndex(0, 1)->setXPlacement(GridCellPlacement::Center);
         },
         "0,0,40,20 46,0,60,10 38,26,30,30 0,62,10,10 46,62,20,20 "},
        {"a merge crossing another merges nothing",
         [](GridView& g) {
             g.mergeCellsInRanges({0, 2}, {1, 1});
             g.mergeCellsInRanges({1, 1}, {0, 2});
             g.cellAtColumnIndexRowIndex(1, 0)->setYPlacement(GridCellPlacement::Fill);
         },
         "0,0,40,20 46,0,60,20 0,26,30,30 0,62,10,10 46,62,20,20 "},
        {"a merge takes the content of its other cells",
         [](GridView& g) {
             g.mergeCellsInRanges({0, 2}, {2, 1});
         },
         "0,0,40,20 46,0,60,10 0,26,30,30 0,62,10,10 - "},
        {"a hidden column and a removed row",
         [](GridView& g) {
             g.columnAtIndex(0)->setHidden(true);
             g.removeRowAtIndex(1);
         },
         "- 0,0,60,10 - - 0,26,20,20 "},
        {"a set width and padding",
         [](GridView& g) {
             g.columnAtIndex(0)->setWidth(100);
             g.columnAtIndex(1)->setLeadingPadding(4);
             g.setXPlacement(GridCellPlacement::Fill);
         },
         "0,0,100,20 110,0,60,10 0,26,100,30 0,62,100,10 110,62,60,20 "},
    };
    for (const Case& c : cases) {
        const auto views = viewsOfSizes({{40, 20}, {60, 10}, {30, 30}, {10, 10}, {20, 20}});
        const auto grid = GridView::gridViewWithViews(
            {{views[0], views[1]}, {views[2], nullptr}, {views[3], views[4]}});
        c.act(*grid);
        EXPECT_EQ(frames(*grid, views), c.outcome) << c.name;
    }
}

} // namespace
