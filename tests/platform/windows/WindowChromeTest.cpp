#include "platform/detail/ViewPeer.h"
#include "platform/detail/WindowPeer.h"
#include "platform/drawing/Image.h"
#include "platform/foundation/String.h"
#include "platform/views/View.h"
#include "platform/windows/TitlebarAccessoryViewController.h"
#include "platform/windows/Toolbar.h"
#include "platform/windows/ToolbarItem.h"
#include "platform/windows/Window.h"

#include <QAction>
#include <QToolBar>
#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

const Rect Content{100, 100, 400, 300};

struct TaggedView : View {
    TaggedView(Rect frame, std::int64_t tag) : View(frame), tag_(tag) {}
    std::int64_t tag() const override { return tag_; }
    std::int64_t tag_;
};

Ref<Window> shownWindow() {
    const auto window =
        std::make_shared<Window>(Content, WindowStyleMask::Titled | WindowStyleMask::Resizable);
    window->makeKeyAndOrderFront();
    return window;
}

Ref<TitlebarAccessoryViewController> accessory(Ref<View> view, LayoutAttribute attribute) {
    auto controller = std::make_shared<TitlebarAccessoryViewController>();
    controller->setView(std::move(view));
    controller->setLayoutAttribute(attribute);
    return controller;
}

// Where the view's widget stands in its window's widget.
QRect placeInWindow(const View& view, const Window& window) {
    QWidget* widget = view.peer().widget;
    return {widget->mapTo(window.peer().widget.data(), QPoint(0, 0)), widget->size()};
}

// The first view with the tag among the views, or any of their descendants.
Ref<View> findTag(const std::vector<Ref<View>>& views, std::int64_t tag) {
    for (const auto& view : views) {
        if (view->tag() == tag)
            return view;
        if (auto found = findTag(view->subviews(), tag))
            return found;
    }
    return nullptr;
}

} // namespace

TEST(TitlebarAccessories, ShowAboveTheContentWhichKeepsItsSize) {
    const auto window = shownWindow();
    const Rect frameBefore = window->frame();
    auto strip = std::make_shared<View>(Rect{0, 0, 50, 30});
    const auto button = std::make_shared<TaggedView>(Rect{5, 5, 20, 20}, 12);
    strip->addSubview(button);
    window->addTitlebarAccessoryViewController(accessory(strip, LayoutAttribute::Bottom));

    ASSERT_EQ(window->titlebarAccessoryViewControllers().size(), 1u);
    EXPECT_EQ(window->contentView()->frame().size, Content.size);
    EXPECT_EQ(window->frame().height(), frameBefore.height() + 30);
    EXPECT_EQ(window->frame().maxY(), frameBefore.maxY()) << "the top edge stays";
    EXPECT_EQ(window->contentRectForFrameRect(window->frame()).size, Content.size);

    // A full-width row across the top, the content below it.
    EXPECT_EQ(placeInWindow(*strip, *window), QRect(0, 0, 400, 30));
    EXPECT_EQ(placeInWindow(*window->contentView(), *window), QRect(0, 30, 400, 300));
    EXPECT_TRUE(strip->peer().widget->isVisible());
    EXPECT_EQ(button->window(), window);

    // The views of the accessories are where lookups find them.
    std::vector<Ref<View>> accessoryViews;
    for (const auto& controller : window->titlebarAccessoryViewControllers())
        accessoryViews.push_back(controller->view());
    EXPECT_EQ(findTag(accessoryViews, 12), button);

    window->removeTitlebarAccessoryViewControllerAtIndex(0);
    EXPECT_EQ(window->frame(), frameBefore);
    EXPECT_EQ(placeInWindow(*window->contentView(), *window), QRect(0, 0, 400, 300));
    EXPECT_FALSE(button->window());
    window->close();
}

TEST(TitlebarAccessories, SideAccessoriesShareAStripAndRowsFollowTheWindowsWidth) {
    const auto window = shownWindow();
    const auto left = std::make_shared<View>(Rect{0, 0, 60, 20});
    const auto right = std::make_shared<View>(Rect{0, 0, 40, 24});
    const auto row = std::make_shared<View>(Rect{0, 0, 10, 16});
    window->addTitlebarAccessoryViewController(accessory(row, LayoutAttribute::Bottom));
    window->addTitlebarAccessoryViewController(accessory(left, LayoutAttribute::Left));
    window->addTitlebarAccessoryViewController(accessory(right, LayoutAttribute::Trailing));

    EXPECT_EQ(placeInWindow(*left, *window), QRect(0, 0, 60, 20));
    EXPECT_EQ(placeInWindow(*right, *window), QRect(360, 0, 40, 24));
    EXPECT_EQ(placeInWindow(*row, *window), QRect(0, 24, 400, 16));
    EXPECT_EQ(placeInWindow(*window->contentView(), *window).top(), 40);

    window->setContentSize({500, 300});
    EXPECT_EQ(row->frame().width(), 500);
    EXPECT_EQ(placeInWindow(*right, *window), QRect(460, 0, 40, 24));
    EXPECT_EQ(placeInWindow(*window->contentView(), *window), QRect(0, 40, 500, 300));
    EXPECT_EQ(window->contentView()->frame().size, Size(500, 300));
    window->close();
}

TEST(WindowToolbar, ShowsItsItemsInAToolBarAboveTheContent) {
    const auto window = shownWindow();
    const auto toolbar = std::make_shared<Toolbar>(String::fromUtf8("7"));
    const auto play = std::make_shared<ToolbarItem>(String::fromUtf8("play"));
    play->setLabel(String::fromUtf8("Play"));
    play->setTag(3);
    play->setImage(std::make_shared<Image>(Size{16, 16}));
    const auto searchItem = std::make_shared<ToolbarItem>(String::fromUtf8("search"));
    const auto searchView = std::make_shared<View>(Rect{0, 0, 120, 22});
    const auto inner = std::make_shared<TaggedView>(Rect{2, 2, 10, 10}, 40);
    searchView->addSubview(inner);
    searchItem->setView(searchView);
    searchItem->setTag(4);
    toolbar->insertItemAtIndex(play, 0);
    toolbar->insertItemAtIndex(searchItem, 5);
    window->setToolbar(toolbar);

    EXPECT_EQ(window->toolbar(), toolbar);
    EXPECT_EQ(toolbar->window(), window);
    ASSERT_EQ(toolbar->items().size(), 2u);
    EXPECT_EQ(toolbar->items()[1], searchItem);
    EXPECT_EQ(searchItem->toolbar(), toolbar);
    EXPECT_EQ(window->contentView()->frame().size, Content.size);

    auto* bar = window->peer().widget->findChild<QToolBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->geometry().top(), 0);
    EXPECT_EQ(placeInWindow(*window->contentView(), *window).top(), bar->height());
    EXPECT_EQ(window->frame().height(), Content.height() + Window::TitleBarHeight + bar->height());
    std::vector<std::string> labels;
    for (auto* action : bar->actions())
        labels.push_back(action->text().toStdString());
    EXPECT_EQ(labels.front(), "Play");
    EXPECT_TRUE(searchView->peer().widget->isVisible());
    EXPECT_EQ(inner->window(), window);

    // An item found by its tag shows its view in the window.
    Ref<ToolbarItem> found;
    for (const auto& item : toolbar->items())
        if (item->tag() == 4)
            found = item;
    ASSERT_EQ(found, searchItem);
    EXPECT_EQ(findTag({found->view()}, 40), inner);

    toolbar->setVisible(false);
    EXPECT_EQ(window->frame().height(), Content.height() + Window::TitleBarHeight);
    EXPECT_FALSE(window->peer().widget->findChild<QToolBar*>());
    window->setToolbar(nullptr);
    EXPECT_FALSE(toolbar->window());
    window->close();
}

TEST(WindowToolbar, ItemsMoveAndLeaveInOrder) {
    const auto toolbar = std::make_shared<Toolbar>(String::fromUtf8("bar"));
    std::vector<Ref<ToolbarItem>> items;
    for (const char* name : {"a", "b", "c"}) {
        items.push_back(std::make_shared<ToolbarItem>(String::fromUtf8(name)));
        toolbar->insertItemAtIndex(items.back(), 99);
    }
    toolbar->insertItemAtIndex(items[0], 3);
    EXPECT_EQ(toolbar->items(), (std::vector<Ref<ToolbarItem>>{items[1], items[2], items[0]}));
    const auto other = std::make_shared<Toolbar>(String::fromUtf8("other"));
    other->insertItemAtIndex(items[2], 0);
    EXPECT_EQ(toolbar->items(), (std::vector<Ref<ToolbarItem>>{items[1], items[0]}));
    EXPECT_EQ(items[2]->toolbar(), other);
    toolbar->removeItemAtIndex(0);
    toolbar->removeItemAtIndex(5);
    EXPECT_EQ(toolbar->items(), std::vector<Ref<ToolbarItem>>{items[0]});
    EXPECT_FALSE(items[1]->toolbar());
}
