// What a window shows above its content: title bar accessories and the toolbar, placed in rows
// that grow the frame while the content keeps its size.

#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/drawing/Image.h"
#include "platform/views/View.h"
#include "platform/windows/TitlebarAccessoryViewController.h"
#include "platform/windows/Toolbar.h"
#include "platform/windows/ToolbarItem.h"
#include "platform/windows/Window.h"

#include "TestText.h"

#include <QAction>
#include <QToolBar>
#include <gtest/gtest.h>

#include <vector>

using namespace platform;
using testsupport::text;

namespace {

const Rect Content{100, 100, 400, 300};

class WindowChrome : public ::testing::Test {
protected:
    WindowChrome() { window->makeKeyAndOrderFront(); }
    ~WindowChrome() override { window->close(); }

    void addAccessory(Ref<View> view, LayoutAttribute attribute) {
        auto controller = std::make_shared<TitlebarAccessoryViewController>();
        controller->setView(std::move(view));
        controller->setLayoutAttribute(attribute);
        window->addTitlebarAccessoryViewController(controller);
    }
    // Where the view's widget stands in the window's widget.
    QRect placed(const Ref<View>& view) const {
        QWidget* widget = view->peer().widget;
        return {widget->mapTo(window->peer().widget.data(), QPoint(0, 0)), widget->size()};
    }

    const Ref<Window> window =
        std::make_shared<Window>(Content, WindowStyleMask::Titled | WindowStyleMask::Resizable);
};

TEST_F(WindowChrome, AnAccessoryRowShowsAboveTheContentWhichKeepsItsSizeAndPlace) {
    const Rect frameBefore = window->frame();
    const auto strip = std::make_shared<View>(Rect{0, 0, 50, 30});
    const auto button = std::make_shared<View>(Rect{5, 5, 20, 20});
    strip->addSubview(button);
    addAccessory(strip, LayoutAttribute::Bottom);
    EXPECT_EQ(window->frame().height(), frameBefore.height() + 30);
    EXPECT_EQ(window->frame().maxY(), frameBefore.maxY()) << "the top edge stays";
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()).size, Content.size);
    EXPECT_EQ(placed(strip), QRect(0, 0, 400, 30));
    EXPECT_EQ(placed(window->contentView()), QRect(0, 30, 400, 300));
    EXPECT_TRUE(strip->peer().widget->isVisible());
    EXPECT_EQ(button->window(), window);

    window->removeTitlebarAccessoryViewControllerAtIndex(0);
    EXPECT_EQ(window->frame(), frameBefore);
    EXPECT_EQ(placed(window->contentView()), QRect(0, 0, 400, 300));
    EXPECT_FALSE(button->window());
}

TEST_F(WindowChrome, SideAccessoriesShareAStripAndRowsFollowTheWindowsWidth) {
    const auto left = std::make_shared<View>(Rect{0, 0, 60, 20});
    const auto right = std::make_shared<View>(Rect{0, 0, 40, 24});
    const auto row = std::make_shared<View>(Rect{0, 0, 10, 16});
    addAccessory(row, LayoutAttribute::Bottom);
    addAccessory(left, LayoutAttribute::Left);
    addAccessory(right, LayoutAttribute::Trailing);
    EXPECT_EQ(placed(left), QRect(0, 0, 60, 20));
    EXPECT_EQ(placed(right), QRect(360, 0, 40, 24));
    EXPECT_EQ(placed(row), QRect(0, 24, 400, 16));

    window->setContentSize({500, 300});
    EXPECT_EQ(row->frame().width(), 500);
    EXPECT_EQ(placed(right), QRect(460, 0, 40, 24));
    EXPECT_EQ(placed(window->contentView()), QRect(0, 40, 500, 300));
}

TEST_F(WindowChrome, AToolbarShowsItsItemsAboveTheContentAndFollowsTheirChanges) {
    const auto toolbar = std::make_shared<Toolbar>(text("7"));
    const auto play = std::make_shared<ToolbarItem>(text("play"));
    play->setLabel(text("Play"));
    play->setImage(std::make_shared<Image>(Size{16, 16}));
    const auto search = std::make_shared<ToolbarItem>(text("search"));
    const auto searchView = std::make_shared<View>(Rect{0, 0, 120, 22});
    search->setView(searchView);
    toolbar->insertItemAtIndex(play, 0);
    toolbar->insertItemAtIndex(search, 5);
    window->setToolbar(toolbar);
    EXPECT_EQ(toolbar->window(), window);
    EXPECT_EQ(toolbar->items(), (std::vector<Ref<ToolbarItem>>{play, search}));

    auto* bar = window->peer().widget->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->geometry().top(), 0);
    EXPECT_EQ(placed(window->contentView()).top(), bar->height());
    EXPECT_EQ(window->frame().height(), Content.height() + Window::TitleBarHeight + bar->height());
    EXPECT_EQ(window->contentView()->frame().size, Content.size);
    EXPECT_TRUE(searchView->peer().widget->isVisible());
    EXPECT_EQ(searchView->window(), window);
    play->setToolTip(text("Deal the cards"));
    bar = window->peer().widget->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->actions().front()->text(), "Play");
    EXPECT_EQ(bar->actions().front()->toolTip(), "Deal the cards");

    toolbar->setVisible(false);
    EXPECT_EQ(window->frame().height(), Content.height() + Window::TitleBarHeight);
    EXPECT_FALSE(window->peer().widget->findChild<QToolBar*>());
    window->setToolbar(nullptr);
    EXPECT_FALSE(toolbar->window());
}

TEST(WindowToolbar, ItemsMoveAndLeaveInOrder) {
    const auto toolbar = std::make_shared<Toolbar>(text("bar"));
    std::vector<Ref<ToolbarItem>> items;
    for (const char* name : {"a", "b", "c"}) {
        items.push_back(std::make_shared<ToolbarItem>(text(name)));
        toolbar->insertItemAtIndex(items.back(), 99);
    }
    toolbar->insertItemAtIndex(items[0], 3);
    EXPECT_EQ(toolbar->items(), (std::vector<Ref<ToolbarItem>>{items[1], items[2], items[0]}));
    const auto other = std::make_shared<Toolbar>(text("other"));
    other->insertItemAtIndex(items[2], 0);
    EXPECT_EQ(toolbar->items(), (std::vector<Ref<ToolbarItem>>{items[1], items[0]}));
    EXPECT_EQ(items[2]->toolbar(), other);
    toolbar->removeItemAtIndex(0);
    toolbar->removeItemAtIndex(5);
    EXPECT_EQ(toolbar->items(), std::vector<Ref<ToolbarItem>>{items[0]});
    EXPECT_FALSE(items[1]->toolbar());
}

} // namespace
